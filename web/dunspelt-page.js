// The page around the game: a still start (browsers allow sound only after a click or a key),
// the game on the canvas, and its end with a way to play again.
//   index.html?script=FILE  plays a headless script at once and sets window.dunspelt
//   index.html?replay=FILE  watches a recording; index.html?record  records the game played
//   &trace                  keeps a trace (window.dunspelt.readTrace(), for the tests)
"use strict";
(() => {
  const params = new URLSearchParams(location.search);
  const cover = document.getElementById("cover");
  const message = document.getElementById("message");
  const actions = document.getElementById("actions");
  const canvas = document.getElementById("canvas");
  const run = "/run";
  const recording = `${run}/dunspelt.rec`;
  const tracing = params.has("trace") || params.has("replay");
  const dunspelt = (window.dunspelt = { done: false });

  const say = (text, buttons = []) => {
    message.textContent = text;
    actions.replaceChildren(...buttons);
    cover.hidden = false;
  };
  const button = (text, action) => {
    const b = document.createElement("button");
    b.textContent = text;
    b.addEventListener("click", (e) => (e.stopPropagation(), action()));
    return b;
  };
  const fetchInto = async (url, path) => {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status}`);
    FS.writeFile(path, new Uint8Array(await response.arrayBuffer()));
  };
  const readTrace = () => {
    Module._dunspelt_flush_trace();
    const path = `${run}/trace.jsonl`;
    return FS.analyzePath(path).exists ? FS.readFile(path, { encoding: "utf8" }) : "";
  };
  const save = (path, name) => {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([FS.readFile(path)]));
    link.download = name;
    link.click();
  };

  // A script runs whole inside main, on the virtual clock, with no window and no sound.
  const playScript = async (file) => {
    say("Playing the script…");
    await fetchInto(file, `${run}/script.txt`);
    const status = Module.callMain(["--headless", "--script", `${run}/script.txt`,
      "--trace", `${run}/trace.jsonl`, "--app-dir", "/app", "--stats"]);
    Object.assign(dunspelt, { done: true, status, trace: readTrace() });
    say(`The script has run (status ${status}).`);
  };

  const ended = (status) => {
    if (tracing) Object.assign(dunspelt, { trace: readTrace() });
    Object.assign(dunspelt, { done: true, status });
    const again = button("Play again", () => location.reload());
    const buttons = params.has("record")
      ? [again, button("Save the recording", () => save(recording, "dunspelt.rec"))]
      : [again];
    say("The game has ended.", buttons);
  };

  const play = () => {
    cover.hidden = true;
    canvas.focus();
    const args = ["--app-dir", "/app", "--settings", "/settings/settings.ini", "--stats"];
    if (tracing) args.push("--trace", `${run}/trace.jsonl`);
    if (params.has("record")) args.push("--record", recording);
    if (params.has("replay")) args.push("--replay", `${run}/replay.rec`);
    Module.callMain(args);
  };

  // Waits for the player's click or key, which also lets the sound start.
  const awaitGesture = () => {
    say("Click or press a key to play");
    const start = () => {
      cover.removeEventListener("click", start);
      document.removeEventListener("keydown", start);
      play();
    };
    cover.addEventListener("click", start);
    document.addEventListener("keydown", start);
  };

  const ready = async () => {
    try {
      FS.mkdirTree(run);
      if (params.has("script")) return await playScript(params.get("script"));
      if (params.has("replay")) await fetchInto(params.get("replay"), `${run}/replay.rec`);
      // The settings live in IndexedDB: read before the game starts, written as they change.
      FS.mkdir("/settings");
      FS.mount(IDBFS, {}, "/settings");
      FS.syncfs(true, (error) => (error ? say(`Cannot read the settings: ${error}`) : awaitGesture()));
    } catch (error) {
      say(`The game cannot start: ${error.message}`);
    }
  };

  dunspelt.readTrace = readTrace;
  // The tick figures as --stats prints them, worked out when read.
  Object.defineProperty(dunspelt, "stats", {
    enumerable: true,
    get: () => (Module.calledRun ? Module.UTF8ToString(Module._dunspelt_stats()) : undefined),
  });
  window.Module = {
    canvas,
    print: (line) => console.log(line),
    printErr: (line) => console.warn(line),
    onRuntimeInitialized: ready,
    page: {
      ended,
      message: (title, text) => console.warn(`${title}: ${text}`),
      saveStorage: () => FS.syncfs(false, (error) => error && console.warn(`settings: ${error}`)),
    },
  };
})();
