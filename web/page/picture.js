// The picture canvas: 800 x 600 CSS pixels. At a device pixel ratio of 1 it
// shows the core's raster exactly; on finer screens it has as many more
// pixels, and the core draws the picture's shapes at that resolution:
// lines as wide as a picture pixel, text at its size.
import { pictureHeight, pictureWidth } from "./core.js";

export function pictureScale() {
  return Math.min(4, Math.max(1, Math.round(window.devicePixelRatio || 1)));
}

export class PictureCanvas {
  constructor(canvas, core) {
    this.canvas = canvas;
    this.core = core;
    this.drawn = 0;  // counts finished drawings, for those who wait for one
    this.setScale(pictureScale());
  }

  setScale(scale) {
    this.scale = scale;
    this.canvas.width = pictureWidth * scale;
    this.canvas.height = pictureHeight * scale;
    this.canvas.style.width = `${pictureWidth}px`;
    this.canvas.style.height = `${pictureHeight}px`;
  }

  // Draws the view from the workspace as it is now; false for an unknown one.
  async show(view) {
    const pixels = this.core.draw(view, this.scale);
    if (!pixels) return false;
    // Put before the core runs again: the pixels are the core's buffer.
    this.canvas.getContext("2d").putImageData(pixels, 0, 0);
    this.drawn += 1;
    return true;
  }
}
