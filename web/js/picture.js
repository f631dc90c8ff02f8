// The canvas of the page: sized to its box at the screen's pixel density,
// drawn by the C++ drawing code as the session's view shows the plane,
// zoomed by the wheel about the pointer and panned by dragging; F fits the
// figure; the pointer's plane coordinates are read out; a click near a
// candidate's marker picks it. The view's arithmetic is the session's.

import { CanvasSurface } from './canvas_surface.js';

const PICK_RADIUS = 8; // pixels from a marker within which a click picks it
const CLICK_SLOP = 4; // pixels a press may move and still be a click

// The session's mapping of the plane to the canvas's CSS pixels.
function mappingOf({ left, top, pixelsPerUnit }) {
  return {
    pixelsPerUnit,
    pixelX: (x) => (x - left) * pixelsPerUnit,
    pixelY: (y) => (top - y) * pixelsPerUnit,
  };
}

export class Picture {
  // `markers()`: where the candidates' markers stand; `onPick(number)`: a
  // marker was clicked; `onView()`: the view moved (the zoom figure and the
  // read-outs follow); `onPointer(x, y)`: the pointer is over pixel (x, y),
  // or left the picture (null).
  constructor(canvas, engine, { markers, onPick, onView, onPointer }) {
    this.canvas = canvas;
    this.engine = engine;
    this.markers = markers;
    this.onPick = onPick;
    this.onView = onView;
    this.onPointer = onPointer;
    this.mapping = mappingOf(engine.mapping());
    new ResizeObserver(() => this.resize()).observe(canvas);
    canvas.addEventListener('wheel', (event) => this.wheel(event), { passive: false });
    canvas.addEventListener('pointerdown', (event) => this.press(event));
    canvas.addEventListener('pointermove', (event) => this.onPointer(event.offsetX, event.offsetY));
    canvas.addEventListener('pointerleave', () => this.onPointer(null));
    canvas.addEventListener('keydown', (event) => {
      if (event.key === 'f' || event.key === 'F' || event.key === 'Home') {
        event.preventDefault();
        this.fit();
      }
    });
  }

  // The view takes the canvas's size, then the picture is drawn again.
  resize() {
    this.engine.resizeView(this.canvas.clientWidth, this.canvas.clientHeight);
    this.redraw();
    this.onView();
  }

  redraw() {
    const width = this.canvas.clientWidth, height = this.canvas.clientHeight;
    const ratio = window.devicePixelRatio || 1;
    if (this.canvas.width !== Math.round(width * ratio) || this.canvas.height !== Math.round(height * ratio)) {
      this.canvas.width = Math.round(width * ratio);
      this.canvas.height = Math.round(height * ratio);
    }
    const context = this.canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    this.mapping = mappingOf(this.engine.mapping());
    this.engine.redraw(new CanvasSurface(context, this.mapping, width, height));
  }

  // The view moved: drawn again, and the page told.
  moved() {
    this.redraw();
    this.onView();
  }

  fit() {
    this.engine.fit();
    this.moved();
  }

  wheel(event) {
    event.preventDefault();
    if (event.deltaY === 0) return;
    if (this.engine.zoomAt(event.offsetX, event.offsetY, event.deltaY < 0 ? 1 : -1)) this.moved();
    this.onPointer(event.offsetX, event.offsetY);
  }

  press(event) {
    if (event.button !== 0) return;
    this.canvas.setPointerCapture(event.pointerId);
    const start = { x: event.offsetX, y: event.offsetY };
    let last = start, dragging = false;
    const move = (e) => {
      dragging ||= Math.hypot(e.offsetX - start.x, e.offsetY - start.y) > CLICK_SLOP;
      if (!dragging) return;
      this.engine.drag(e.offsetX - last.x, e.offsetY - last.y);
      last = { x: e.offsetX, y: e.offsetY };
      this.moved();
    };
    const release = () => {
      this.canvas.removeEventListener('pointermove', move);
      this.canvas.removeEventListener('pointerup', release);
      this.canvas.removeEventListener('pointercancel', release);
      if (!dragging) this.click(start);
    };
    this.canvas.addEventListener('pointermove', move);
    this.canvas.addEventListener('pointerup', release);
    this.canvas.addEventListener('pointercancel', release);
  }

  // The nearest marker within reach of the click, as drawn.
  click(at) {
    let nearest = 0, nearestDistance = PICK_RADIUS;
    this.markers().forEach((point, i) => {
      const distance = Math.hypot(this.mapping.pixelX(point.x) - at.x, this.mapping.pixelY(point.y) - at.y);
      if (distance < nearestDistance) [nearest, nearestDistance] = [i + 1, distance];
    });
    if (nearest !== 0) this.onPick(nearest);
  }
}
