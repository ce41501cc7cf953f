// Starts the calculator in the page: the WebAssembly core with the number
// format of the browser's language, and the service worker that keeps the
// page's files for use without a network. It follows the core's loader in
// core.js, which the page loads without waiting for the document: the core
// is fetched and compiled while the page is parsed and laid out.
"use strict";

(() => {
  // The symbols and the grouping of the user's language, asked of Intl. Intl
  // never formats a value itself: the core rounds from the exact binary
  // value, as on the desktop, where Intl would round from the shortest
  // decimal (1.0005 is really 1.000499…, and shows as 1.000). Asked again
  // only when the languages change: a drag calculates at every frame.
  let format = null;
  let formatOf = null;
  function numberFormat() {
    if (formatOf !== navigator.languages.join()) {
      format = asked();
      formatOf = navigator.languages.join();
    }
    return format;
  }
  function asked() {
    // Grouping as the language does.
    const intl = new Intl.NumberFormat(navigator.languages);
    const parts = (value) => intl.formatToParts(value);
    const part = (list, type, otherwise) => (list.find((p) => p.type === type) || { value: otherwise }).value;
    const grouped = (value) => parts(value).some((p) => p.type === "group");

    const sample = parts(-123456789.5);
    const digits = (p) => p.type === "integer" || p.type === "fraction";
    const firstDigit = sample.findIndex(digits);
    const lastDigit = sample.findLastIndex(digits);
    const trailingSign = sample.findIndex((p) => p.type === "minusSign") > lastDigit;
    // The sign with all that stands beside it: right-to-left languages put a
    // direction mark (U+200E, U+061C) there.
    const sign = trailingSign ? sample.slice(lastDigit + 1) : sample.slice(0, firstDigit);
    const groups = sample.filter((p) => p.type === "integer").map((p) => p.value.length);
    const first = groups.length > 1 ? groups[groups.length - 1] : 0;
    const higher = groups.length > 2 ? groups[groups.length - 2] : first;
    // Bulgarian writes 1234 but 12 345: grouping starts at first + this many digits.
    let minimumGrouping = 1;
    while (first > 0 && minimumGrouping < 4 && !grouped(10 ** (first + minimumGrouping - 1))) {
      minimumGrouping += 1;
    }
    return {
      decimal: part(sample, "decimal", "."),
      group: first > 0 ? part(sample, "group", "") : "",
      minus: sign.map((p) => p.value).join("") || "-",
      zero: part(parts(0), "integer", "0").codePointAt(0),
      first,
      higher,
      minimumGrouping,
      trailingSign,
    };
  }

  // The address names the calculation shown. Browsers refuse to change it
  // often (Safari throws after 100 changes in 30 s, Chromium ignores more than
  // 200 in 10 s), so it changes at most once in 350 ms: a change within that
  // waits, and only the latest is written. `now` writes a waiting one at once:
  // at the end of a drag, and as the page is left.
  const address = (() => {
    let waiting = null;
    let written = -Infinity;
    let timer = 0;
    const now = () => {
      clearTimeout(timer);
      timer = 0;
      if (waiting === null) return;
      const fragment = waiting;
      waiting = null;
      written = performance.now();
      try {
        history.replaceState(history.state, "", fragment ? "#" + fragment : location.pathname + location.search);
      } catch {
        // Refused all the same (a SecurityError): the next change tries again.
      }
    };
    const set = (fragment) => {
      waiting = fragment;
      const wait = written + 350 - performance.now();
      if (wait <= 0) now();
      else if (!timer) timer = setTimeout(now, wait);
    };
    return { set, now };
  })();

  // The link's button: the system's sharing, or where that is refused (in a
  // frame that does not allow it) copying instead; copying says when it is
  // done, or where the clipboard refuses, selects the link for Ctrl+C.
  function linkAction(event) {
    const button = event.target.closest?.("#solution-link button");
    if (!button) return;
    const link = button.previousElementSibling;
    if ("share" in button.dataset) {
      navigator.share({ title: document.title, url: link.href }).catch((error) => {
        if (error.name === "AbortError") return;  // the user closed the sharing
        delete button.dataset.share;
        button.textContent = button.dataset.copy;
      });
      return;
    }
    Promise.resolve().then(() => navigator.clipboard.writeText(link.href)).then(
      () => { button.nextElementSibling.textContent = button.dataset.done; },
      () => getSelection().selectAllChildren(link));
  }

  // The working below the window comes from a module of its own, fetched once
  // the page computes: the core hands each calculation here (pair -1: none
  // now), and the latest that comes before the module is written as soon as
  // it is there. Its figure can then be dragged (figure_drag.js, in working.js).
  const working = (() => {
    let module = null;
    let waiting = null;
    const write = ([pair, first, second, x, y]) => {
      const texts = first + second;
      const buffer = module._velmora_given_texts(texts.length) >> 1;
      for (let i = 0; i < texts.length; ++i) module.HEAPU16[buffer + i] = texts.charCodeAt(i);
      module._velmora_show_working(pair, first.length, x, y);
    };
    const show = (pair, first, second, x, y) => {
      if (module) write([pair, first, second, x, y]);
      else waiting = pair < 0 ? null : [pair, first, second, x, y];
    };
    const load = (core) => {
      const script = document.createElement("script");
      script.src = "working.js";
      script.onload = () => VelmoraWorking({ numberFormat }).then((loaded) => {
        module = loaded;
        if (waiting) write(waiting);
        waiting = null;
        VelmoraFigureDrag(module, core, address);
        document.documentElement.dataset.working = "ready";
      });
      document.head.append(script);
    };
    return { show, load };
  })();

  const documentParsed = new Promise((resolve) => {
    if (document.readyState === "loading") {
      document.addEventListener("DOMContentLoaded", resolve, { once: true });
    } else {
      resolve();
    }
  });
  // The core asks for the format at each calculation, so that it follows a
  // change of language, and the start does not wait for Intl's data.
  Promise.all([VelmoraCore({ numberFormat, address, working: working.show }), documentParsed]).then(([core]) => {
    // Heard before anything runs, so that nothing the start does can keep them away.
    addEventListener("hashchange", () => core._velmora_open_link());
    addEventListener("pagehide", address.now);
    addEventListener("click", linkAction);
    core._velmora_start();
    // A link to a calculation opens it, and so does one opened in the page later.
    if (location.hash) core._velmora_open_link();
    // The page computes: for tests, and for timings of the start (User Timing).
    document.documentElement.dataset.velmora = "ready";
    performance.mark("velmora-ready");
    working.load(core);
  });

  // Once the page is there, so that keeping its files never delays it.
  if ("serviceWorker" in navigator) {
    addEventListener("load", () => navigator.serviceWorker.register("sw.js"));
  }
})();
