// The Map page: the scenario's hexes and every placed unit as a counter, drawn on a canvas from
// the session's map (which hexes and counters lie where, computed by the module for each frame)
// by the painter (map-paint.js), moved and looked around in by the gestures (map-gestures.js),
// beside the lists of the units not placed and of the check's findings (map-lists.js). "Fit"
// shows the whole map, "+" and "−" zoom.
import { bindGestures } from './map-gestures.js';
import { showFindings, showUnplaced } from './map-lists.js';
import { mapPainter } from './map-paint.js';

export function setUpMap(app) {
  const canvas = document.getElementById('map');
  const context = canvas.getContext('2d');
  const even = document.getElementById('map-even');
  const findingsList = document.getElementById('findings');
  const checkNotes = document.getElementById('check-notes');
  const unplacedList = document.getElementById('unplaced');
  const view = new app.module.MapView();
  const style = app.module.mapStyle();

  let content = view.setContent(app.session);
  let stale = false;
  let fitted = true;
  let width = 0;
  let height = 0;
  let drawing = 0;
  const marks = { hovered: null, drop: null, dragged: -1, dragPoint: null, selected: -1 };
  const painter = mapPainter({
    context,
    style,
    view,
    content: () => content,
    marks,
    onSchemeChange: () => redraw(),
  });
  const draw = () => painter.draw(width, height);

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
    const next = Math.min(style.maxRadius, Math.max(style.minRadius, radius * factor));
    fitted = false;
    setView(next, anchorX - ((anchorX - x) / radius) * next, anchorY - ((anchorY - y) / radius) * next);
  }

  function panBy(dx, dy) {
    const { x, y } = view.view();
    panTo(x + dx, y + dy);
  }

  function panTo(x, y) {
    fitted = false;
    setView(view.view().radius, x, y);
  }

  function redraw() {
    if (drawing || !shown()) return;
    drawing = requestAnimationFrame(() => {
      drawing = 0;
      draw();
    });
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
    showUnplaced(content, unplacedList, app.texts.sides);
    showFindings(app.session, findingsList, checkNotes);
    redraw();
  }

  bindGestures(canvas, {
    view,
    content: () => content,
    marks,
    redraw,
    zoomBy,
    zoomStep: style.zoomStep,
    panBy,
    panTo,
    fit,
    run: (operation) => app.run(operation(app.session)),
    shown,
    tip: document.getElementById('map-tip'),
    hexCaption: document.getElementById('map-hex'),
  });
  document.getElementById('map-fit').addEventListener('click', fit);
  document.getElementById('map-zoom-in').addEventListener('click', () => zoomBy(style.zoomStep));
  document.getElementById('map-zoom-out').addEventListener('click', () => zoomBy(1 / style.zoomStep));
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
      if (!stale) showFindings(app.session, findingsList, checkNotes);
    },
    // The frame drawn now, for the benchmarks and the tests.
    drawNow: draw,
    dark: () => painter.dark(),
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
