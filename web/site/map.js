// The Map page: the scenario's hexes and every placed unit as a counter, drawn on a canvas from
// the session's map (which hexes and counters lie where, computed by the module for each frame).
// Core counters are filled, auxiliary ones outlined, in their side's colour; the counters of the
// sides not chosen are faded and stay where they are. Dragging a counter of the side chosen to
// another hex moves its unit through the session, with the checks of "Accept Changes"; a click
// reviews it. The wheel, Ctrl+plus and Ctrl+minus (or plus and minus on the map) zoom, dragging
// the background or the arrow keys pan, "Fit" (or 0) shows the whole map.

const SIDE_COLOURS = ['rgb(72 80 96)', 'rgb(40 120 48)', 'rgb(178 96 20)'];
const SIDE_DARKER = ['rgb(51 57 69)', 'rgb(29 86 34)', 'rgb(127 69 14)'];
const SIDE_LIGHTER = ['rgb(122 136 163)', 'rgb(68 204 82)', 'rgb(255 164 84)'];
const BACKGROUND = 'rgb(150 150 150)';
const PAPER = 'rgb(238 230 204)';
const GRID = 'rgb(176 164 130)';
const COUNTER_PAPER = 'rgb(252 250 242)';
const HOVER = 'rgb(20 60 160)';
const DROP = 'rgb(255 214 0 / 47%)';
const SELECTION = 'rgb(255 180 0)';
const SIDE_NAMES = ['Axis', 'Allies', 'Third side'];

const FRAMED_FROM_SIDE = 6; // counter side in pixels from which auxiliary ones are framed
const TEXT_FROM_SIDE = 20; // from which counters show their texts
const DIMMED = 0.35;
const DRAGGED = 0.3;
const ZOOM_STEP = 1.25;
const PAN_STEP = 48;
const DRAG_DISTANCE = 4;
const FONT = '"DejaVu Sans", system-ui, sans-serif';

export function setUpMap(app) {
  const canvas = document.getElementById('map');
  const context = canvas.getContext('2d');
  const tip = document.getElementById('map-tip');
  const hexCaption = document.getElementById('map-hex');
  const even = document.getElementById('map-even');
  const findingsList = document.getElementById('findings');
  const checkNotes = document.getElementById('check-notes');
  const unplacedList = document.getElementById('unplaced');
  const view = new app.module.MapView();

  let content = view.setContent(app.session);
  let stale = false;
  let fitted = true;
  let width = 0;
  let height = 0;
  let drawing = 0;
  const marks = { hovered: null, drop: null, dragged: -1, dragPoint: null, selected: -1 };
  let gesture = null;
  const textWidths = new Map();

  function shown() {
    return !document.getElementById('page-map').hidden;
  }

  function resize() {
    const box = canvas.getBoundingClientRect();
    width = Math.max(1, Math.round(box.width));
    height = Math.max(1, Math.round(box.height));
    const ratio = window.devicePixelRatio || 1;
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    if (fitted) fit();
  }

  function fit() {
    fitted = true;
    view.fit(width, height);
    redraw();
  }

  function setView(radius, x, y) {
    view.setView(even.checked, radius, x, y);
    redraw();
  }

  function zoomBy(factor, anchorX = width / 2, anchorY = height / 2) {
    const { radius, x, y } = view.view();
    const next = Math.min(200, Math.max(0.25, radius * factor));
    fitted = false;
    setView(next, anchorX - ((anchorX - x) / radius) * next, anchorY - ((anchorY - y) / radius) * next);
  }

  function panBy(dx, dy) {
    const { radius, x, y } = view.view();
    fitted = false;
    setView(radius, x + dx, y + dy);
  }

  function redraw() {
    if (drawing || !shown()) return;
    drawing = requestAnimationFrame(() => {
      drawing = 0;
      draw();
    });
  }

  function fittedFont(text, box, pixels) {
    let known = textWidths.get(text);
    if (known === undefined) {
      context.font = `bold 100px ${FONT}`;
      known = context.measureText(text).width / 100;
      textWidths.set(text, known);
    }
    const size = known * pixels > box ? Math.max(1, Math.floor(box / known)) : Math.max(1, Math.floor(pixels));
    return `bold ${size}px ${FONT}`;
  }

  function roundedRect(left, top, size, radius) {
    context.beginPath();
    context.roundRect(left, top, size, size, radius);
  }

  function drawCounter(counter, left, top, side, opacity, selected) {
    const colour = SIDE_COLOURS[counter.side] ?? SIDE_COLOURS[2];
    context.globalAlpha = opacity;
    if (side < TEXT_FROM_SIDE) {
      // Too small for texts: a plain square with a light rim, an auxiliary one framed (or, with
      // no room for a frame, lighter).
      const x = Math.round(left);
      const y = Math.round(top);
      const s = Math.max(1, Math.round(side));
      if (selected) {
        context.fillStyle = SELECTION;
        context.fillRect(x - 2, y - 2, s + 4, s + 4);
      }
      if (side < FRAMED_FROM_SIDE) {
        context.fillStyle = counter.aux ? SIDE_LIGHTER[counter.side] : colour;
        context.fillRect(x, y, s, s);
      } else {
        context.fillStyle = COUNTER_PAPER;
        context.fillRect(x, y, s, s);
        context.fillStyle = colour;
        context.fillRect(x + 1, y + 1, s - 2, s - 2);
        if (counter.aux) {
          context.fillStyle = COUNTER_PAPER;
          context.fillRect(x + 3, y + 3, s - 6, s - 6);
        }
      }
      context.globalAlpha = 1;
      return;
    }
    const border = Math.max(1, side * 0.09);
    const inset = counter.aux ? border / 2 : 0.5;
    roundedRect(left + inset, top + inset, side - 2 * inset, side * 0.1);
    if (counter.aux) {
      context.fillStyle = COUNTER_PAPER;
      context.fill();
      context.lineWidth = border;
      context.strokeStyle = colour;
      context.stroke();
    } else {
      context.fillStyle = colour;
      context.fill();
      context.lineWidth = 1;
      context.strokeStyle = SIDE_DARKER[counter.side] ?? SIDE_DARKER[2];
      context.stroke();
    }
    // The class above the middle, the experience below it.
    const gap = Math.max(1, side * 0.04);
    const pad = border + side * 0.04;
    const middle = top + side / 2;
    const room = side - 2 * pad;
    context.fillStyle = counter.aux ? colour : 'white';
    context.textAlign = 'center';
    context.textBaseline = 'bottom';
    context.font = fittedFont(counter.label, room, side * 0.32);
    context.fillText(counter.label, left + side / 2, middle - gap);
    context.textBaseline = 'top';
    context.font = fittedFont(counter.experience, room, side * 0.3);
    context.fillText(counter.experience, left + side / 2, middle + gap);
    if (selected) {
      const ring = Math.max(2, side * 0.1);
      const out = ring / 2 + 1;
      roundedRect(left - out, top - out, side + 2 * out, side * 0.12);
      context.lineWidth = ring;
      context.strokeStyle = SELECTION;
      context.stroke();
    }
    context.globalAlpha = 1;
  }

  function outline(hex) {
    const corners = view.hexOutline(hex.column, hex.row);
    context.beginPath();
    context.moveTo(corners[0], corners[1]);
    for (let i = 2; i < 12; i += 2) context.lineTo(corners[i], corners[i + 1]);
    context.closePath();
  }

  // One frame, drawn at once.
  function draw() {
    const frame = view.frame(width, height);
    context.fillStyle = BACKGROUND;
    context.fillRect(0, 0, width, height);
    if (frame.paper) {
      context.fillStyle = PAPER;
      context.fillRect(...frame.paper);
    }
    context.fillStyle = BACKGROUND;
    for (const polygon of frame.notches) {
      context.beginPath();
      context.moveTo(polygon[0], polygon[1]);
      for (let i = 2; i < polygon.length; i += 2) context.lineTo(polygon[i], polygon[i + 1]);
      context.closePath();
      context.fill();
    }
    const { grid } = frame;
    if (grid.length > 0) {
      context.beginPath();
      for (let i = 0; i < grid.length; i += 4) {
        context.moveTo(grid[i], grid[i + 1]);
        context.lineTo(grid[i + 2], grid[i + 3]);
      }
      context.lineWidth = 1;
      context.strokeStyle = GRID;
      context.stroke();
    }
    if (marks.drop) {
      outline(marks.drop);
      context.fillStyle = DROP;
      context.fill();
    }
    if (marks.hovered) {
      outline(marks.hovered);
      context.lineWidth = 2;
      context.strokeStyle = HOVER;
      context.stroke();
    }
    const { counters } = frame;
    let dragged = null;
    for (let i = 0; i < counters.length; i += 4) {
      const counter = content.counters[counters[i]];
      let opacity = counter.dimmed ? DIMMED : 1;
      if (counter.unitIndex === marks.dragged) {
        dragged = [counter, counters[i + 3]];
        opacity = DRAGGED;
      }
      drawCounter(counter, counters[i + 1], counters[i + 2], counters[i + 3], opacity,
                  counter.unitIndex === marks.selected);
    }
    if (dragged && marks.dragPoint) {
      const [counter, side] = dragged;
      drawCounter(counter, marks.dragPoint.x - side / 2, marks.dragPoint.y - side / 2, side, 1, false);
    }
  }

  function showFindings() {
    const { findings, notes } = app.session.check();
    findingsList.classList.toggle('none', findings.length === 0);
    const items = findings.length === 0 ? ['No findings.'] : findings.map((finding) => finding.text);
    findingsList.replaceChildren(
      ...items.map((text) => {
        const item = document.createElement('li');
        item.textContent = text;
        return item;
      }),
    );
    checkNotes.textContent = notes.join('\n');
    checkNotes.hidden = notes.length === 0;
  }

  function showUnplaced() {
    unplacedList.replaceChildren(
      ...content.unplaced.map((names, side) => {
        const item = document.createElement('li');
        item.textContent = `${SIDE_NAMES[side]} (${names.length})`;
        const list = document.createElement('ul');
        list.replaceChildren(
          ...names.map((name) => {
            const entry = document.createElement('li');
            entry.textContent = name;
            return entry;
          }),
        );
        item.append(list);
        return item;
      }),
    );
  }

  function refresh() {
    if (!shown()) {
      stale = true;
      return;
    }
    stale = false;
    const sized = content.columns;
    const rows = content.rows;
    content = view.setContent(app.session);
    if (content.columns !== sized || content.rows !== rows) fitted = true;
    if (fitted) view.fit(width, height);
    showUnplaced();
    showFindings();
    redraw();
  }

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
      tip.textContent = content.counters[index].description;
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
    const counter = index >= 0 ? content.counters[index] : null;
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
      const { radius } = view.view();
      fitted = false;
      setView(radius, gesture.origin.x + point.x - gesture.start.x, gesture.origin.y + point.y - gesture.start.y);
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
      app.run(app.session.reviewUnit(done.counter.unitIndex));
      marks.selected = done.counter.unitIndex;
    } else if (done.kind === 'dragging') {
      const point = pointOf(event);
      const target = view.hexAt(point.x, point.y);
      const { counter } = done;
      if (target && (target.column !== counter.column || target.row !== counter.row)) {
        app.run(app.session.moveUnit(counter.unitIndex, target.column, target.row));
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
      zoomBy(ZOOM_STEP ** (-event.deltaY / 100), point.x, point.y);
    },
    { passive: false },
  );
  canvas.addEventListener('keydown', (event) => {
    const pans = { ArrowLeft: [PAN_STEP, 0], ArrowRight: [-PAN_STEP, 0], ArrowUp: [0, PAN_STEP], ArrowDown: [0, -PAN_STEP] };
    if (event.key in pans) {
      event.preventDefault();
      panBy(...pans[event.key]);
    } else if (!event.ctrlKey && (event.key === '+' || event.key === '=')) {
      zoomBy(ZOOM_STEP);
    } else if (!event.ctrlKey && event.key === '-') {
      zoomBy(1 / ZOOM_STEP);
    } else if (event.key === '0') {
      fit();
    }
  });
  // Ctrl+plus and Ctrl+minus zoom the map while its page is shown, not the page.
  document.addEventListener('keydown', (event) => {
    if (!shown() || !event.ctrlKey || event.altKey) return;
    if (event.key === '+' || event.key === '=') {
      event.preventDefault();
      zoomBy(ZOOM_STEP);
    } else if (event.key === '-') {
      event.preventDefault();
      zoomBy(1 / ZOOM_STEP);
    }
  });
  document.getElementById('map-fit').addEventListener('click', fit);
  even.addEventListener('change', () => {
    const { radius, x, y } = view.view();
    setView(radius, x, y);
  });
  new ResizeObserver(() => {
    if (shown()) {
      resize();
      redraw();
    }
  }).observe(canvas);

  return {
    apply(change) {
      if (change.opened) marks.selected = -1;
      if (change.review) {
        const aux = change.review.page === 'aux';
        const counter = content.counters.find((c) => c.aux === aux && c.line === change.review.line);
        marks.selected = counter ? counter.unitIndex : -1;
      }
      if (change.rosters || change.opened || change.side || change.campaignEntries) refresh();
      else if (change.review) redraw();
    },
    shown() {
      resize();
      if (stale || fitted) refresh();
      else redraw();
      if (!stale) showFindings();
    },
    // The frame drawn now, for the benchmarks and the tests.
    drawNow: draw,
    fit,
    setView,
    view: () => view.view(),
    content: () => content,
    counterRect(index) {
      const frame = view.frame(width, height);
      for (let i = 0; i < frame.counters.length; i += 4) {
        if (frame.counters[i] === index) {
          const [left, top, side] = [frame.counters[i + 1], frame.counters[i + 2], frame.counters[i + 3]];
          return { left, top, side };
        }
      }
      return null;
    },
  };
}
