// The Map page's painting: one frame of the session's map on the canvas, the hexes and every
// placed counter, in the page's colour scheme. Core counters are filled, auxiliary ones
// outlined, in their side's colour; the counters of the sides not chosen are faded.

// The fonts the browser falls back on where the style's own family is missing.
const FALLBACK_FONTS = 'system-ui, sans-serif';

// The painter of `context`: `style` is the module's map style (`mapStyle()`: the colours of
// both schemes, the sizes from which detail shows, a counter's proportions), `view` the
// module's map view, `content()` the map's content as it stands, `marks` the hovered hex, the
// drop hex, the counter dragged and the one selected. `onSchemeChange()` hears of a change of the
// colour scheme.
export function mapPainter({ context, style, view, content, marks, onSchemeChange }) {
  const scheme = window.matchMedia('(prefers-color-scheme: dark)');
  scheme.addEventListener('change', onSchemeChange);
  const font = `"${style.fontFamily}", ${FALLBACK_FONTS}`;
  let colours = style.light;
  const textWidths = new Map();
  let width = 0;
  let height = 0;

  function fittedFont(text, box, pixels) {
    let known = textWidths.get(text);
    if (known === undefined) {
      context.font = `bold 100px ${font}`;
      known = context.measureText(text).width / 100;
      textWidths.set(text, known);
    }
    const size = known * pixels > box ? Math.max(1, Math.floor(box / known)) : Math.max(1, Math.floor(pixels));
    return `bold ${size}px ${font}`;
  }

  function roundedRect(left, top, size, radius) {
    context.beginPath();
    context.roundRect(left, top, size, size, radius);
  }

  // A side's colour among `sides`, the third side's for any other number.
  function ofSide(sides, side) {
    return sides[side] ?? sides[2];
  }

  function drawCounter(counter, left, top, side, opacity, selected) {
    const colour = ofSide(colours.sides, counter.side);
    context.globalAlpha = opacity;
    if (side < style.textFromSide) {
      // Too small for texts: a plain square with a light rim, an auxiliary one framed (or, with
      // no room for a frame, lighter).
      const x = Math.round(left);
      const y = Math.round(top);
      const s = Math.max(1, Math.round(side));
      if (selected) {
        const margin = style.smallSelectionMargin;
        context.fillStyle = style.selection;
        context.fillRect(x - margin, y - margin, s + 2 * margin, s + 2 * margin);
      }
      if (side < style.framedFromSide) {
        context.fillStyle = counter.aux ? ofSide(style.smallAux, counter.side) : colour;
        context.fillRect(x, y, s, s);
      } else {
        const rim = style.smallRim;
        context.fillStyle = colours.counterPaper;
        context.fillRect(x, y, s, s);
        context.fillStyle = colour;
        context.fillRect(x + rim, y + rim, s - 2 * rim, s - 2 * rim);
        if (counter.aux) {
          const inner = rim + style.smallAuxFrame;
          context.fillStyle = colours.counterPaper;
          context.fillRect(x + inner, y + inner, s - 2 * inner, s - 2 * inner);
        }
      }
      context.globalAlpha = 1;
      return;
    }
    const border = Math.max(1, side * style.border);
    const inset = counter.aux ? border / 2 : 0.5;
    roundedRect(left + inset, top + inset, side - 2 * inset, side * style.corner);
    if (counter.aux) {
      context.fillStyle = colours.counterPaper;
      context.fill();
      context.lineWidth = border;
      context.strokeStyle = colour;
      context.stroke();
    } else {
      context.fillStyle = colour;
      context.fill();
      context.lineWidth = 1;
      context.strokeStyle = ofSide(style.rims, counter.side);
      context.stroke();
    }
    // The class above the middle, the experience below it.
    const gap = Math.max(1, side * style.gap);
    const pad = border + side * style.pad;
    const middle = top + side / 2;
    const room = side - 2 * pad;
    context.fillStyle = counter.aux ? colour : style.coreText;
    context.textAlign = 'center';
    context.textBaseline = 'bottom';
    context.font = fittedFont(counter.label, room, side * style.labelSize);
    context.fillText(counter.label, left + side / 2, middle - gap);
    context.textBaseline = 'top';
    context.font = fittedFont(counter.experience, room, side * style.experienceSize);
    context.fillText(counter.experience, left + side / 2, middle + gap);
    if (selected) {
      const ring = Math.max(2, side * style.ring);
      const out = ring / 2 + 1;
      roundedRect(left - out, top - out, side + 2 * out, side * style.ringCorner);
      context.lineWidth = ring;
      context.strokeStyle = style.selection;
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
    colours = scheme.matches ? style.dark : style.light;
    const frame = view.frame(width, height);
    context.fillStyle = colours.background;
    context.fillRect(0, 0, width, height);
    if (frame.paper) {
      context.fillStyle = colours.paper;
      context.fillRect(...frame.paper);
    }
    context.fillStyle = colours.background;
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
      context.strokeStyle = colours.grid;
      context.stroke();
    }
    if (marks.drop) {
      outline(marks.drop);
      context.fillStyle = style.drop;
      context.fill();
    }
    if (marks.hovered) {
      outline(marks.hovered);
      context.lineWidth = style.hoverWidth;
      context.strokeStyle = colours.hover;
      context.stroke();
    }
    const { counters } = frame;
    let dragged = null;
    for (let i = 0; i < counters.length; i += 4) {
      const counter = content().counters[counters[i]];
      let opacity = counter.dimmed ? style.dimmedOpacity : 1;
      if (counter.unitIndex === marks.dragged) {
        dragged = [counter, counters[i + 3]];
        opacity = style.draggedOpacity;
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
