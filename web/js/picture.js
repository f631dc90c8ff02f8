// The canvas of the page: sized to its box at the screen's pixel density,
// redrawn through the C++ drawing code, zoomed by the wheel about the
// pointer and panned by dragging; a click near a candidate's marker picks it.

import { CanvasSurface } from './canvas_surface.js';

const PICK_RADIUS = 8; // pixels from a marker within which a click picks it
const CLICK_SLOP = 4; // pixels a press may move and still be a click

export class Picture {
  // `view`: the part of the plane shown (picture_view.js);
  // `draw(surface, visible)`: draws the picture; `markers()`: where the
  // candidates' markers stand; `onPick(number)`: a marker was clicked.
  constructor(canvas, view, { draw, markers, onPick }) {
    this.canvas = canvas;
    this.view = view;
    this.draw = draw;
    this.markers = markers;
    this.onPick = onPick;
    new ResizeObserver(() => this.redraw()).observe(canvas);
    canvas.addEventListener('wheel', (event) => this.wheel(event), { passive: false });
    canvas.addEventListener('pointerdown', (event) => this.press(event));
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
    this.draw(new CanvasSurface(context, this.view, width, height), this.view.visible(width, height));
  }

  wheel(event) {
    event.preventDefault();
    if (event.deltaY === 0) return;
    if (this.view.zoomAbout(event.offsetX, event.offsetY, event.deltaY < 0 ? 1 : -1)) this.redraw();
  }

  press(event) {
    if (event.button !== 0) return;
    this.canvas.setPointerCapture(event.pointerId);
    const start = { x: event.offsetX, y: event.offsetY };
    let last = start, dragging = false;
    const move = (e) => {
      dragging ||= Math.hypot(e.offsetX - start.x, e.offsetY - start.y) > CLICK_SLOP;
      if (!dragging) return;
      this.view.drag(e.offsetX - last.x, e.offsetY - last.y);
      last = { x: e.offsetX, y: e.offsetY };
      this.redraw();
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
      const distance = Math.hypot(this.view.pixelX(point.x) - at.x, this.view.pixelY(point.y) - at.y);
      if (distance < nearestDistance) [nearest, nearestDistance] = [i + 1, distance];
    });
    if (nearest !== 0) this.onPick(nearest);
  }
}
