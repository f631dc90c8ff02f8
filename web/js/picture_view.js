// Which part of the plane the picture shows: its top-left corner in plane
// units and the zoom, in the window's terms (10 to 500 % in steps of 10; one
// drawing unit spans 59 twips at 100 %, a CSS pixel 15 twips).

const TWIPS_PER_UNIT = 59;
const TWIPS_PER_PIXEL = 15;
const LEAST_ZOOM = 10, MOST_ZOOM = 500, ZOOM_STEP = 10;

export class PictureView {
  constructor(corner) {
    this.left = corner.left;
    this.top = corner.top;
    this.zoomPercent = 100;
  }

  get pixelsPerUnit() {
    return (TWIPS_PER_UNIT * this.zoomPercent) / 100 / TWIPS_PER_PIXEL;
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
    const zoom = Math.min(MOST_ZOOM, Math.max(LEAST_ZOOM, this.zoomPercent + steps * ZOOM_STEP));
    if (zoom === this.zoomPercent) return false;
    const planeX = this.left + x / this.pixelsPerUnit, planeY = this.top - y / this.pixelsPerUnit;
    this.zoomPercent = zoom;
    this.left = planeX - x / this.pixelsPerUnit;
    this.top = planeY + y / this.pixelsPerUnit;
    return true;
  }

  // The content dragged by (dx, dy) pixels: what lay under the pointer stays under it.
  drag(dx, dy) {
    this.left -= dx / this.pixelsPerUnit;
    this.top += dy / this.pixelsPerUnit;
  }
}
