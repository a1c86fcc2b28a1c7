// The core, compiled to WebAssembly (vorlen.wasm), behind the C interface
// of web/binding.cpp: the workspace, its field rules and the pictures.
import createVorlen from "./vorlen.js";

export const pictureWidth = 800;
export const pictureHeight = 600;

export async function loadCore() {
  const module = await createVorlen();
  const call = (name, returns, ...args) =>
    module.ccall(name, returns, args.map(() => "string"), args);
  const catalogue = JSON.parse(call("vorlen_catalogue", "string"));
  return {
    catalogue,
    reset: () => module.ccall("vorlen_reset", null, [], []),
    // Stores what the field rule of `param` (a, df, fg, M, L) reads from text.
    store: (param, text) => call("vorlen_store", "boolean", param, text),
    fillText: (param) => call("vorlen_fill_text", "string", param),
    // Fills x(n) with the named formula; false for an unknown one.
    generate: (signal) => call("vorlen_generate", "boolean", signal),
    autoWg: (factorText) => call("vorlen_auto_wg", "string", factorText),
    // The view's picture as ImageData, or null for an unknown view.
    draw(view) {
      const pointer = call("vorlen_draw", "number", view);
      if (!pointer) return null;
      // A view of the core's buffer, copied once, by putImageData.
      const bytes = new Uint8ClampedArray(module.HEAPU8.buffer, pointer, pictureWidth * pictureHeight * 4);
      return new ImageData(bytes, pictureWidth, pictureHeight);
    },
    // The drawing alone, for benchmarks.
    drawOnly: (view) => call("vorlen_draw_only", "boolean", view),
    // The same picture as an SVG document of its shapes.
    svg: (view) => call("vorlen_svg", "string", view),
  };
}
