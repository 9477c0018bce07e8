// The Map page's painting: one frame of the session's map on the canvas, the hexes and every
// placed counter, in the page's colour scheme. Core counters are filled, auxiliary ones
// outlined, in their side's colour; the counters of the sides not chosen are faded.

// The colours of the light scheme, and of the dark one: a darker paper and background, the
// sides' colours as they are.
const SIDES = {
  SIDE_COLOURS: ['rgb(72 80 96)', 'rgb(40 120 48)', 'rgb(178 96 20)'],
  SIDE_DARKER: ['rgb(51 57 69)', 'rgb(29 86 34)', 'rgb(127 69 14)'],
  SIDE_LIGHTER: ['rgb(122 136 163)', 'rgb(68 204 82)', 'rgb(255 164 84)'],
  SELECTION: 'rgb(255 180 0)',
  DROP: 'rgb(255 214 0 / 47%)',
};
const LIGHT = {
  ...SIDES,
  BACKGROUND: 'rgb(150 150 150)',
  PAPER: 'rgb(238 230 204)',
  GRID: 'rgb(176 164 130)',
  COUNTER_PAPER: 'rgb(252 250 242)',
  HOVER: 'rgb(20 60 160)',
};
const DARK = {
  ...SIDES,
  SIDE_COLOURS: ['rgb(112 126 154)', 'rgb(56 156 68)', 'rgb(204 118 34)'],
  BACKGROUND: 'rgb(24 25 22)',
  PAPER: 'rgb(58 56 48)',
  GRID: 'rgb(92 88 72)',
  COUNTER_PAPER: 'rgb(30 30 27)',
  HOVER: 'rgb(126 167 230)',
};

const FRAMED_FROM_SIDE = 6; // counter side in pixels from which auxiliary ones are framed
const TEXT_FROM_SIDE = 20; // from which counters show their texts
const DIMMED = 0.35;
const DRAGGED = 0.3;
const FONT = '"DejaVu Sans", system-ui, sans-serif';

// The painter of `context`: `view` is the module's map view, `content()` the map's content as
// it stands, `marks` the hovered hex, the drop hex, the counter dragged and the one selected.
// `onSchemeChange()` hears of a change of the colour scheme.
export function mapPainter({ context, view, content, marks, onSchemeChange }) {
  const scheme = window.matchMedia('(prefers-color-scheme: dark)');
  scheme.addEventListener('change', onSchemeChange);
  let colours = LIGHT;
  const textWidths = new Map();
  let width = 0;
  let height = 0;

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
    const colour = colours.SIDE_COLOURS[counter.side] ?? colours.SIDE_COLOURS[2];
    context.globalAlpha = opacity;
    if (side < TEXT_FROM_SIDE) {
      // Too small for texts: a plain square with a light rim, an auxiliary one framed (or, with
      // no room for a frame, lighter).
      const x = Math.round(left);
      const y = Math.round(top);
      const s = Math.max(1, Math.round(side));
      if (selected) {
        context.fillStyle = colours.SELECTION;
        context.fillRect(x - 2, y - 2, s + 4, s + 4);
      }
      if (side < FRAMED_FROM_SIDE) {
        context.fillStyle = counter.aux ? colours.SIDE_LIGHTER[counter.side] : colour;
        context.fillRect(x, y, s, s);
      } else {
        context.fillStyle = colours.COUNTER_PAPER;
        context.fillRect(x, y, s, s);
        context.fillStyle = colour;
        context.fillRect(x + 1, y + 1, s - 2, s - 2);
        if (counter.aux) {
          context.fillStyle = colours.COUNTER_PAPER;
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
      context.fillStyle = colours.COUNTER_PAPER;
      context.fill();
      context.lineWidth = border;
      context.strokeStyle = colour;
      context.stroke();
    } else {
      context.fillStyle = colour;
      context.fill();
      context.lineWidth = 1;
      context.strokeStyle = colours.SIDE_DARKER[counter.side] ?? colours.SIDE_DARKER[2];
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
      context.strokeStyle = colours.SELECTION;
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
    colours = scheme.matches ? DARK : LIGHT;
    const frame = view.frame(width, height);
    context.fillStyle = colours.BACKGROUND;
    context.fillRect(0, 0, width, height);
    if (frame.paper) {
      context.fillStyle = colours.PAPER;
      context.fillRect(...frame.paper);
    }
    context.fillStyle = colours.BACKGROUND;
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
      context.strokeStyle = colours.GRID;
      context.stroke();
    }
    if (marks.drop) {
      outline(marks.drop);
      context.fillStyle = colours.DROP;
      context.fill();
    }
    if (marks.hovered) {
      outline(marks.hovered);
      context.lineWidth = 2;
      context.strokeStyle = colours.HOVER;
      context.stroke();
    }
    const { counters } = frame;
    let dragged = null;
    for (let i = 0; i < counters.length; i += 4) {
      const counter = content().counters[counters[i]];
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

  return {
    // One frame of `width` by `height` pixels, drawn at once.
    draw: (w, h) => {
      width = w;
      height = h;
      draw();
    },
    dark: () => scheme.matches,
  };
}
