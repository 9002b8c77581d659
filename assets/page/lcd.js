"use strict";
// The transceiver's display on <canvas id="lcd">: 104 x 64 canvas pixels, one
// per display pixel, a dark pixel #000000 and a green one #00FF00. Pixels
// arrive packed as the program sends and stores them: 13 bytes a row, 64
// rows from the top, the leftmost pixel of each byte in its top bit, 1 dark.
const LCD_WIDTH = 104;
const LCD_HEIGHT = 64;
const LCD_ROW_BYTES = LCD_WIDTH / 8;
const LCD_FRAME_BYTES = LCD_ROW_BYTES * LCD_HEIGHT;

class LcdCanvas {
  constructor(canvas) {
    this.context = canvas.getContext("2d");
    this.image = this.context.createImageData(LCD_WIDTH, LCD_HEIGHT);
    this.bits = new Uint8Array(LCD_FRAME_BYTES);
    this.setFrame(this.bits, 0);
    this.show();
  }

  // Row `row` from the 13 bytes at `offset` of `bytes`.
  setRow(row, bytes, offset) {
    const pixels = this.image.data;
    for (let i = 0; i < LCD_ROW_BYTES; i++) {
      const byte = bytes[offset + i];
      this.bits[row * LCD_ROW_BYTES + i] = byte;
      for (let bit = 0; bit < 8; bit++) {
        const at = (row * LCD_WIDTH + i * 8 + bit) * 4;
        const dark = (byte & (0x80 >> bit)) !== 0;
        pixels[at] = 0;
        pixels[at + 1] = dark ? 0 : 255;
        pixels[at + 2] = 0;
        pixels[at + 3] = 255;
      }
    }
  }

  // The whole display from the 832 bytes at `offset` of `bytes`.
  setFrame(bytes, offset) {
    for (let row = 0; row < LCD_HEIGHT; row++) this.setRow(row, bytes, offset + row * LCD_ROW_BYTES);
  }

  show() {
    this.context.putImageData(this.image, 0, 0);
  }
}
