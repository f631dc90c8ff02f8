// The drawing surface of the page: the C++ drawing code (view/drawing.cpp)
// calls these methods through the module, in plane units, and they put the
// figures on the canvas. Nothing is decided here about what to draw.
//
// As in the window, lines are one pixel wide and not smoothed, so that every
// drawn pixel has exactly its palette colour: each figure is set pixel by
// pixel (a CSS pixel, crisp at any device pixel ratio).

// Colours come as 0xRRGGBB, the dashes and the dots' radius in pixels, all
// from the drawing code (web/js_surface.cpp), as the window has them.
const colourOf = (rgb) => `rgb(${rgb >> 16}, ${(rgb >> 8) & 255}, ${rgb & 255})`;

const MARGIN = 2; // pixels beyond the canvas that a clipped line keeps
// Beyond this radius in pixels a circle's points cannot be placed to a pixel.
const LARGEST_RADIUS = 1e12;

export class CanvasSurface {
  // `view`: the mapping from plane units to the canvas's CSS pixels;
  // `clipSegment`: set by the engine, the drawing's own segment clipping.
  constructor(context, view, width, height) {
    this.context = context;
    this.view = view;
    this.width = width;
    this.height = height;
    this.current = { x: 0, y: 0 };
    this.dashes = null; // {dash, gap} in pixels, or null: solid
    context.font = '11px sans-serif';
  }

  clear(rgb) {
    this.context.fillStyle = colourOf(rgb);
    this.context.fillRect(0, 0, this.width, this.height);
  }

  moveTo(x, y) {
    this.current = this.pixel(x, y);
  }

  lineTo(x, y, colour) {
    const to = this.pixel(x, y);
    this.plot(colour, (dot) => this.line(this.current, to, dot));
    this.current = to;
  }

  box(x1, y1, x2, y2, colour) {
    const a = this.pixel(x1, y1), b = this.pixel(x2, y2);
    const corners = [a, { x: b.x, y: a.y }, b, { x: a.x, y: b.y }];
    this.plot(colour, (dot) => corners.forEach((corner, i) => this.line(corner, corners[(i + 1) % 4], dot)));
  }

  circle(x, y, radius, colour) {
    const centre = this.pixel(x, y);
    const r = radius * this.view.pixelsPerUnit;
    if (r > 0 && r <= LARGEST_RADIUS && Number.isFinite(centre.x + centre.y)) this.plot(colour, (dot) => this.circleOutline(centre, r, dot));
  }

  setDashes(dash, gap) {
    this.dashes = dash > 0 ? { dash, gap } : null;
  }

  // `align`: "left", "center" or "right": which end of the text's baseline
  // lies at (x, y); the drawing code has placed it beside its marker.
  label(x, y, text, colour, align) {
    const at = this.pixel(x, y);
    if (!this.onCanvas(at)) return;
    this.context.fillStyle = colourOf(colour);
    this.context.textAlign = align;
    this.context.fillText(text, at.x, at.y);
  }

  // A touching point: a filled dot of `radius` pixels.
  dot(x, y, colour, radius) {
    const at = this.pixel(x, y);
    if (!this.onCanvas(at)) return;
    this.context.fillStyle = colourOf(colour);
    this.context.beginPath();
    this.context.arc(at.x, at.y, radius, 0, 2 * Math.PI);
    this.context.fill();
  }

  onCanvas(at) {
    return at.x >= -MARGIN && at.y >= -MARGIN && at.x <= this.width + MARGIN && at.y <= this.height + MARGIN;
  }

  pixel(x, y) {
    return { x: this.view.pixelX(x), y: this.view.pixelY(y) };
  }

  // Collects the pixels `draw` sets through dot(x, y, along) (`along`: the
  // distance along the stroke, for the dashes) and fills them at once.
  plot(colour, draw) {
    const context = this.context;
    context.beginPath();
    draw((px, py, along) => {
      if (this.dashes && along % (this.dashes.dash + this.dashes.gap) >= this.dashes.dash) return;
      if (px >= 0 && py >= 0 && px < this.width && py < this.height) context.rect(px, py, 1, 1);
    });
    context.fillStyle = colourOf(colour);
    context.fill();
  }

  // The part on the canvas, pixel by pixel along the longer axis.
  line(from, to, dot) {
    const shown = this.clipSegment(from.x, from.y, to.x, to.y, -MARGIN, -MARGIN, this.width + MARGIN, this.height + MARGIN);
    if (!shown) return;
    const [x1, y1, x2, y2] = shown.map(Math.round);
    const steps = Math.max(Math.abs(x2 - x1), Math.abs(y2 - y1));
    const skipped = Math.round(Math.hypot(shown[0] - from.x, shown[1] - from.y)); // keeps the dashes in step
    for (let i = 0; i <= steps; ++i) {
      const t = steps === 0 ? 0 : i / steps;
      dot(Math.round(x1 + (x2 - x1) * t), Math.round(y1 + (y2 - y1) * t), skipped + i);
    }
  }

  // Every pixel column and row the circle crosses within the canvas, so that
  // the outline has no gaps and a huge circle costs no more than the canvas.
  circleOutline(centre, r, dot) {
    const along = (px, py) => r * (Math.atan2(py - centre.y, px - centre.x) + Math.PI);
    const columns = [Math.max(0, Math.ceil(centre.x - r)), Math.min(this.width - 1, Math.floor(centre.x + r))];
    for (let px = columns[0]; px <= columns[1]; ++px) {
      const half = Math.sqrt(Math.max(0, r * r - (px - centre.x) ** 2));
      for (const py of [centre.y - half, centre.y + half]) dot(px, Math.round(py), along(px, py));
    }
    const rows = [Math.max(0, Math.ceil(centre.y - r)), Math.min(this.height - 1, Math.floor(centre.y + r))];
    for (let py = rows[0]; py <= rows[1]; ++py) {
      const half = Math.sqrt(Math.max(0, r * r - (py - centre.y) ** 2));
      for (const px of [centre.x - half, centre.x + half]) dot(Math.round(px), py, along(px, py));
    }
  }
}
