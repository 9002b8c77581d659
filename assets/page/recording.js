// A recording's display, played back. RECORDING holds
//   duration: the time of its last display message, in milliseconds;
//   bands:    base64 of the distinct bands (eight pixel rows from a row
//             that is a multiple of eight, 104 bytes each);
//   changes:  base64 of every change of the display, one after the other:
//             milliseconds since the change before (the first: since the
//             start), the number of bands that changed, then for each its
//             number (0 the top eight rows .. 7) and its index in `bands`;
//             every number is unsigned LEB128 (7 bits a byte, lowest first,
//             top bit set: more follow).
// Opened with #t=SECONDS it shows that moment, paused.
const KEYFRAME_EVERY = 512;  // changes between the stored whole displays
const BAND_ROWS = 8;

function base64Bytes(text) {
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

// The changes decoded into flat arrays: change i sets the bands
// firstBand[i] .. firstBand[i + 1] - 1 of bandNumber / bandIndex.
function decodeChanges(text) {
  const bytes = base64Bytes(text);
  let at = 0;
  const next = () => {
    let value = 0;
    for (let scale = 1; ; scale *= 128) {
      const byte = bytes[at++];
      value += (byte & 0x7f) * scale;
      if (byte < 0x80) return value;
    }
  };
  const times = [], firstBand = [0], bandNumber = [], bandIndex = [];
  let time = 0;
  while (at < bytes.length) {
    time += next();
    times.push(time);
    for (let count = next(); count > 0; count--) {
      bandNumber.push(next());
      bandIndex.push(next());
    }
    firstBand.push(bandNumber.length);
  }
  return {times, firstBand, bandNumber, bandIndex};
}

class Player {
  constructor(recording, lcd) {
    this.lcd = lcd;
    this.duration = recording.duration;
    this.bands = base64Bytes(recording.bands);
    this.changes = decodeChanges(recording.changes);
    this.keyframes = [];
    for (let i = 0; i < this.changes.times.length; i++) {
      this.apply(i);
      if (i % KEYFRAME_EVERY === 0) this.keyframes.push(this.lcd.bits.slice());
    }
    this.lcd.setFrame(new Uint8Array(LCD_FRAME_BYTES), 0);
    this.shown = -1;  // the blank display the canvas shows
  }

  apply(change) {
    const c = this.changes;
    for (let b = c.firstBand[change]; b < c.firstBand[change + 1]; b++)
      for (let row = 0; row < BAND_ROWS; row++)
        this.lcd.setRow(c.bandNumber[b] * BAND_ROWS + row, this.bands,
                        (c.bandIndex[b] * BAND_ROWS + row) * LCD_ROW_BYTES);
  }

  // The last change at or before `ms`, or -1.
  changeAt(ms) {
    const times = this.changes.times;
    let low = 0, high = times.length;
    while (low < high) {
      const middle = (low + high) >> 1;
      if (times[middle] <= ms) low = middle + 1; else high = middle;
    }
    return low - 1;
  }

  showAt(ms) {
    const change = this.changeAt(ms);
    if (change === this.shown) return;
    if (change < 0) {
      this.lcd.setFrame(new Uint8Array(LCD_FRAME_BYTES), 0);
    } else {
      let from = change;
      if (change < this.shown || change - this.shown > KEYFRAME_EVERY) {
        const k = Math.floor(change / KEYFRAME_EVERY);
        this.lcd.setFrame(this.keyframes[k], 0);
        from = k * KEYFRAME_EVERY + 1;
      } else {
        from = this.shown + 1;
      }
      for (let i = from; i <= change; i++) this.apply(i);
    }
    this.shown = change;
    this.lcd.show();
  }
}

const player = new Player(RECORDING, new LcdCanvas(document.getElementById("lcd")));
const playButton = document.getElementById("play");
const speedChoice = document.getElementById("speed");
const scrubber = document.getElementById("scrubber");
const timeText = document.getElementById("time");
let position = 0;  // milliseconds into the recording
let playing = false;
let lastFrame = 0;

function clock(ms) {
  const tenths = Math.floor(ms / 100);
  const seconds = Math.floor(tenths / 10);
  return Math.floor(seconds / 60) + ":" + String(seconds % 60).padStart(2, "0") + "." + (tenths % 10);
}

function moveTo(ms) {
  position = Math.max(0, Math.min(ms, player.duration));
  player.showAt(position);
  scrubber.value = String(Math.round(position));
  timeText.textContent = clock(position) + " / " + clock(player.duration);
}

function setPlaying(on) {
  playing = on;
  playButton.textContent = on ? "Pause" : "Play";
  if (on) {
    if (position >= player.duration) moveTo(0);
    lastFrame = performance.now();
    requestAnimationFrame(step);
  }
}

function step(now) {
  if (!playing) return;
  moveTo(position + (now - lastFrame) * Number(speedChoice.value));
  lastFrame = now;
  if (position >= player.duration) setPlaying(false); else requestAnimationFrame(step);
}

// #t=SECONDS: that moment, paused; past the end, the last message.
function openAtLink() {
  const seconds = Number(new URLSearchParams(location.hash.slice(1)).get("t"));
  setPlaying(false);
  moveTo(Number.isFinite(seconds) ? seconds * 1000 : 0);
}

scrubber.max = String(player.duration);
playButton.addEventListener("click", () => setPlaying(!playing));
scrubber.addEventListener("input", () => moveTo(Number(scrubber.value)));
window.addEventListener("hashchange", openAtLink);
openAtLink();
