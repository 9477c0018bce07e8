// The Map page's gestures: a counter of the side chosen dragged to another hex moves its unit
// through the session, with the checks of "Accept Changes", and a click reviews it; the wheel,
// Ctrl+plus and Ctrl+minus (or plus and minus on the map) zoom, dragging the background or the
// arrow keys pan, 0 shows the whole map.
const PAN_STEP = 48;
const DRAG_DISTANCE = 4;

// Binds the gestures of `canvas`. `view` is the module's map view, `content()` the map's
// content, `marks` what the painter marks; `redraw()`, `zoomBy(factor, x, y)`, `panBy(dx, dy)`,
// `panTo(x, y)` and `fit()` change what is shown, `run(operation)` runs an operation of the
// session; `shown()` tells whether the Map page is shown; `tip` and `hexCaption` show the
// counter and the hex under the pointer.
export function bindGestures(canvas, { view, content, marks, redraw, zoomBy, zoomStep, panBy, panTo,
                                       fit, run, shown, tip, hexCaption }) {
  let gesture = null;

  function pointOf(event) {
    const box = canvas.getBoundingClientRect();
    return { x: event.clientX - box.left, y: event.clientY - box.top };
  }

  function hover(point) {
    const hex = point ? view.hexAt(point.x, point.y) : null;
    const same = hex && marks.hovered && hex.column === marks.hovered.column && hex.row === marks.hovered.row;
    if (!same && (hex || marks.hovered)) {
      marks.hovered = hex;
      hexCaption.textContent = hex ? `Column ${hex.column}, Row ${hex.row}` : '';
      redraw();
    }
    const index = point && !gesture ? view.counterAt(point.x, point.y) : -1;
    tip.hidden = index < 0;
    if (index >= 0) {
      tip.textContent = content().counters[index].description;
      tip.style.left = `${point.x + 14}px`;
      tip.style.top = `${point.y + 14}px`;
    }
  }

  canvas.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    canvas.focus();
    canvas.setPointerCapture(event.pointerId);
    const point = pointOf(event);
    const index = view.counterAt(point.x, point.y);
    const counter = index >= 0 ? content().counters[index] : null;
    if (counter && counter.line >= 0) {
      gesture = { kind: 'pressed', counter, start: point };
    } else {
      const { x, y } = view.view();
      gesture = { kind: 'panning', start: point, origin: { x, y } };
      canvas.classList.add('dragging');
    }
    tip.hidden = true;
  });
  canvas.addEventListener('pointermove', (event) => {
    const point = pointOf(event);
    if (gesture?.kind === 'pressed' &&
        Math.abs(point.x - gesture.start.x) + Math.abs(point.y - gesture.start.y) >= DRAG_DISTANCE) {
      gesture.kind = 'dragging';
      marks.dragged = gesture.counter.unitIndex;
      canvas.classList.add('dragging');
    }
    if (gesture?.kind === 'dragging') {
      marks.dragPoint = point;
      marks.drop = view.hexAt(point.x, point.y);
      redraw();
    } else if (gesture?.kind === 'panning') {
      panTo(gesture.origin.x + point.x - gesture.start.x, gesture.origin.y + point.y - gesture.start.y);
    }
    hover(point);
  });
  function endGesture(event, dropped) {
    const done = gesture;
    gesture = null;
    marks.dragged = -1;
    marks.drop = null;
    marks.dragPoint = null;
    canvas.classList.remove('dragging');
    redraw();
    if (!done || !dropped) return;
    if (done.kind === 'pressed') {
      run((session) => session.reviewUnit(done.counter.unitIndex));
      marks.selected = done.counter.unitIndex;
    } else if (done.kind === 'dragging') {
      const point = pointOf(event);
      const target = view.hexAt(point.x, point.y);
      const { counter } = done;
      if (target && (target.column !== counter.column || target.row !== counter.row)) {
        run((session) => session.moveUnit(counter.unitIndex, target.column, target.row));
      }
    }
  }
  canvas.addEventListener('pointerup', (event) => endGesture(event, event.button === 0));
  canvas.addEventListener('pointercancel', (event) => endGesture(event, false));
  canvas.addEventListener('pointerleave', () => {
    if (!gesture) hover(null);
  });
  canvas.addEventListener(
    'wheel',
    (event) => {
      if (event.deltaY === 0) return;
      event.preventDefault();
      const point = pointOf(event);
      zoomBy(zoomStep ** (-event.deltaY / 100), point.x, point.y);
    },
    { passive: false },
  );
  canvas.addEventListener('keydown', (event) => {
    const pans = { ArrowLeft: [PAN_STEP, 0], ArrowRight: [-PAN_STEP, 0], ArrowUp: [0, PAN_STEP], ArrowDown: [0, -PAN_STEP] };
    if (event.key in pans) {
      event.preventDefault();
      panBy(...pans[event.key]);
    } else if (!event.ctrlKey && (event.key === '+' || event.key === '=')) {
      zoomBy(zoomStep);
    } else if (!event.ctrlKey && event.key === '-') {
      zoomBy(1 / zoomStep);
    } else if (event.key === '0') {
      fit();
    }
  });
  // Ctrl+plus and Ctrl+minus zoom the map while its page is shown, not the page.
  document.addEventListener('keydown', (event) => {
    if (!shown() || !event.ctrlKey || event.altKey) return;
    if (event.key === '+' || event.key === '=') {
      event.preventDefault();
      zoomBy(zoomStep);
    } else if (event.key === '-') {
      event.preventDefault();
      zoomBy(1 / zoomStep);
    }
  });
}
