// Moving the working's trapezoid by its corners: with a pointer (mouse, pen,
// touch) on any corner, or with the keys on the sliders of the bases a and c.
// It follows the working's loader in working.js; main.js starts it once the
// module is there. The module finds the corner under a press and turns each
// move or key into the bases; the calculator's core writes them into the
// boxes and calculates, and the working comes back drawn in place, its figure
// and handles kept, so that the focus and the pointer's capture stay on the
// handle. Moves are taken once per frame; the address is written at the end.
"use strict";

function VelmoraFigureDrag(working, core, address) {
  const body = document.getElementById("solution-body");
  // The module's StepKey for each key, and whether it moves ten steps.
  const keys = {
    ArrowLeft: [0, false], ArrowDown: [0, false], ArrowRight: [1, false], ArrowUp: [1, false],
    PageDown: [0, true], PageUp: [1, true], Home: [2, false], End: [3, false],
  };
  // The drag under way: its pointer (null for the keys), the pointer's latest
  // x and the frame that takes it.
  let drag = null;

  const sliders = () => [...body.querySelectorAll(":scope > figure > [role=slider]")];
  const step = (bases) => {
    if (!bases) return;
    const at = bases >> 3;
    core._velmora_drag_bases(working.HEAPF64[at], working.HEAPF64[at + 1]);
  };
  // A drag by keys goes on into a pointer's, and Escape puts back the boxes
  // from before either. The working is read out once the drag is over.
  const begin = (pointer) => {
    if (!drag) {
      core._velmora_begin_drag();
      body.setAttribute("aria-busy", "true");
    }
    drag = { pointer, x: 0, frame: 0 };
  };
  // Where the drag ends on invalid data, its figure and handles go: the focus
  // then stays in the working that says why, rather than falling to the page.
  const end = (cancel) => {
    if (!drag) return;
    cancelAnimationFrame(drag.frame);
    drag = null;
    const focused = body.contains(document.activeElement);
    working._velmora_drag_end(!cancel);
    if (cancel) core._velmora_cancel_drag();
    body.removeAttribute("aria-busy");
    if (focused && !body.contains(document.activeElement)) {
      body.tabIndex = -1;
      body.focus({ preventScroll: true });
    }
    address.now();
  };
  const dragging = (event) => drag && drag.pointer === event.pointerId;

  body.addEventListener("pointerdown", (event) => {
    const figure = event.target.closest?.("figure");
    if (figure?.parentElement !== body || !event.isPrimary || event.button !== 0 || (drag && drag.pointer !== null)) return;
    const box = figure.querySelector("svg").getBoundingClientRect();
    const handle = working._velmora_drag_press(event.clientX, event.clientY, box.left, box.top,
                                               box.width, box.height);
    if (handle < 0) return;
    event.preventDefault();  // no text selected, no mouse events
    const slider = sliders()[handle];
    slider.focus({ preventScroll: true });
    slider.setPointerCapture(event.pointerId);
    begin(event.pointerId);
  });
  body.addEventListener("pointermove", (event) => {
    if (!dragging(event)) return;
    drag.x = event.clientX;
    drag.frame ||= requestAnimationFrame(() => {
      drag.frame = 0;
      step(working._velmora_drag_to(drag.x));
    });
  });
  body.addEventListener("pointerup", (event) => {
    if (!dragging(event)) return;
    step(working._velmora_drag_to(event.clientX));
    end(false);
  });
  // Taken away by the browser (a touch turned into scrolling), or the
  // working gone (a pair change by another finger): the drag ends where it is.
  for (const type of ["pointercancel", "lostpointercapture"]) {
    body.addEventListener(type, (event) => {
      if (dragging(event)) end(false);
    });
  }

  body.addEventListener("keydown", (event) => {
    const handle = sliders().indexOf(event.target);
    if (handle < 0) return;
    if (event.key === "Escape") {
      if (!drag) return;
      event.preventDefault();
      end(true);
      return;
    }
    const key = keys[event.key];
    if (!key || event.altKey || event.ctrlKey || event.metaKey) return;
    event.preventDefault();  // the page does not scroll
    if (drag && drag.pointer !== null) return;
    begin(null);
    step(working._velmora_drag_key(handle, key[0], key[1] || event.shiftKey));
  });
  // A drag by keys ends as the focus leaves the figure's sliders.
  body.addEventListener("focusout", (event) => {
    if (drag && drag.pointer === null && !sliders().includes(event.relatedTarget)) end(false);
  });
}
