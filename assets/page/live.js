// The live view: one WebSocket at /ws (docs/live-view.md) that brings the
// display, the mode caption and, with the token from the address
// (#key=...), the right to hold the panel's keys.
const lcd = new LcdCanvas(document.getElementById("lcd"));
const modeText = document.getElementById("mode");
const stateText = document.getElementById("state");
const keyPanel = document.getElementById("keys");
const token = new URLSearchParams(location.hash.slice(1)).get("key") || "";
const QUIET_LIMIT_MS = 15000;  // the program speaks at least every 5 s
const FIRST_RETRY_MS = 500;
const LAST_RETRY_MS = 10000;
let socket = null;
let retryMs = FIRST_RETRY_MS;
let lastHeard = 0;

function draw(message) {
  const bytes = new Uint8Array(message);
  if (bytes[0] === 0x46 && bytes.length === 1 + LCD_FRAME_BYTES) {
    lcd.setFrame(bytes, 1);
  } else if (bytes[0] === 0x52) {
    for (let at = 1; at + 1 + LCD_ROW_BYTES <= bytes.length; at += 1 + LCD_ROW_BYTES)
      if (bytes[at] < LCD_HEIGHT) lcd.setRow(bytes[at], bytes, at + 1);
  }
  lcd.show();
}

function hear(text) {
  const message = JSON.parse(text);
  if (typeof message.mode === "string") modeText.textContent = message.mode;
  if (typeof message.keys === "boolean") keyPanel.hidden = !message.keys;
}

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN) socket.send(JSON.stringify(message));
}

function connect() {
  const scheme = location.protocol === "https:" ? "wss://" : "ws://";
  socket = new WebSocket(scheme + location.host + "/ws");
  socket.binaryType = "arraybuffer";
  socket.onopen = () => {
    retryMs = FIRST_RETRY_MS;
    lastHeard = Date.now();
    stateText.textContent = "Connected";
    if (token) send({token: token});
  };
  socket.onmessage = (event) => {
    lastHeard = Date.now();
    if (typeof event.data === "string") hear(event.data); else draw(event.data);
  };
  socket.onclose = (event) => {
    socket = null;
    keyPanel.hidden = true;
    const why = event.reason ? event.reason + " " : "";
    stateText.textContent = why + "Disconnected; trying again in " + Math.round(retryMs / 1000) + " s.";
    setTimeout(connect, retryMs);
    retryMs = Math.min(retryMs * 2, LAST_RETRY_MS);
  };
}

// A dropped network closes nothing: a socket that stays quiet is given up.
setInterval(() => {
  if (socket && socket.readyState === WebSocket.OPEN && Date.now() - lastHeard > QUIET_LIMIT_MS) socket.close();
}, 1000);

for (const button of keyPanel.querySelectorAll("button")) {
  let held = false;
  const press = (event) => {
    event.preventDefault();
    held = true;
    send({key: button.dataset.key, down: true, token: token});
  };
  const release = () => {
    if (!held) return;
    held = false;
    send({key: button.dataset.key, down: false, token: token});
  };
  button.addEventListener("pointerdown", press);
  for (const name of ["pointerup", "pointerleave", "pointercancel", "blur"]) button.addEventListener(name, release);
}

connect();
