// Which part of the plane the picture shows: its top-left corner in plane
// units and the zoom in percent, moved as the window moves its view (the
// engine's view/view_state: 10 to 500 % in steps of 10, a CSS pixel counted
// as a screen pixel at 96 DPI).

export class PictureView {
  constructor(engine, corner) {
    this.engine = engine;
    this.left = corner.left;
    this.top = corner.top;
    this.zoomPercent = 100;
    this.pixelsPerUnit = 1 / engine.unitsPerPixel(this.zoomPercent);
  }

  pixelX(x) {
    return (x - this.left) * this.pixelsPerUnit;
  }

  pixelY(y) {
    return (this.top - y) * this.pixelsPerUnit;
  }

  // The plane part a picture of this many pixels shows (height negative:
  // y grows upwards), as the drawing takes it.
  visible(width, height) {
    return { left: this.left, top: this.top, width: width / this.pixelsPerUnit, height: -height / this.pixelsPerUnit };
  }

  // Zooms `steps` steps in (negative: out), keeping the plane point under
  // the pixel (x, y) where it is. Returns whether the zoom changed.
  zoomAbout(x, y, steps) {
    const zoom = this.engine.steppedZoom(this.zoomPercent, steps);
    if (zoom === this.zoomPercent) return false;
    this.moveTo(this.engine.zoomedAbout(this, x, y, this.zoomPercent, zoom), zoom);
    return true;
  }

  // The content dragged by (dx, dy) pixels: what lay under the pointer stays under it.
  drag(dx, dy) {
    this.moveTo(this.engine.dragged(this, dx, dy, this.zoomPercent), this.zoomPercent);
  }

  moveTo(corner, zoomPercent) {
    this.left = corner.left;
    this.top = corner.top;
    this.zoomPercent = zoomPercent;
    this.pixelsPerUnit = 1 / this.engine.unitsPerPixel(zoomPercent);
  }
}
