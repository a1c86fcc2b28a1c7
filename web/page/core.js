// The core, compiled to WebAssembly (vorlen.wasm), behind the C interface
// of web/binding.cpp: the workspace, its field rules and the pictures.
import createVorlen from "./vorlen.js";

export const pictureWidth = 800;
export const pictureHeight = 600;
export const analysisWidth = 800;
export const analysisHeight = 600;

export async function loadCore() {
  const module = await createVorlen();
  const call = (name, returns, ...args) =>
    module.ccall(name, returns, args.map(() => "string"), args);
  const readCatalogue = () => JSON.parse(call("vorlen_catalogue", "string"));
  // A string in the core's heap for a call: long texts do not fit its stack.
  const withHeapString = (text, use) => {
    const size = module.lengthBytesUTF8(text) + 1;
    const pointer = module._malloc(size);
    try {
      module.stringToUTF8(text, pointer, size);
      return use(pointer);
    } finally {
      module._free(pointer);
    }
  };
  const pixels = (pointer, width, height) =>
    new ImageData(new Uint8ClampedArray(module.HEAPU8.buffer, pointer, width * height * 4), width, height);
  const ints = (name, returns, ...args) => module.ccall(name, returns, args.map(() => "number"), args);
  return {
    // The views, signals, fields and dialog templates, in the language set
    // last.
    catalogue: readCatalogue(),
    // Sets the language of what the core draws and of the catalogue:
    // "sr", or "en" with its translations ({Serbian text: translation}).
    setLanguage(name, translations) {
      withHeapString(JSON.stringify(translations), (pointer) =>
        module.ccall("vorlen_set_language", null, ["string", "number"], [name, pointer]));
      this.catalogue = readCatalogue();
    },
    reset: () => module.ccall("vorlen_reset", null, [], []),
    // Stores what the field rule of `param` (a, df, fg, M, L) reads from text.
    store: (param, text) => call("vorlen_store", "boolean", param, text),
    fillText: (param) => call("vorlen_fill_text", "string", param),
    // Fills x(n) with the named formula; false for an unknown one.
    generate: (signal) => call("vorlen_generate", "boolean", signal),
    autoWg: (factorText) => call("vorlen_auto_wg", "string", factorText),
    // The view's picture as ImageData, `scale` device pixels per picture
    // pixel (1 to 4), or null for an unknown view.
    draw(view, scale = 1) {
      const pointer = module.ccall("vorlen_draw", "number", ["string", "number"], [view, scale]);
      if (!pointer) return null;
      // A view of the core's buffer, copied once, by putImageData.
      return pixels(pointer, pictureWidth * scale, pictureHeight * scale);
    },
    // The drawing alone, for benchmarks.
    drawOnly: (view) => call("vorlen_draw_only", "boolean", view),

    // The designer (web/designer_binding.cpp).
    designerOpen: (scale) => module.ccall("vorlen_designer_open", null, ["number"], [scale]),
    // Runs event-script steps: 0 placed, 1 nothing pressed or outside, 2 no
    // room, 3 one of a pair; -1 for a script that cannot be read.
    designerEvents: (script) => call("vorlen_designer_events", "number", script),
    designerBeginDrag: (x, y) => ints("vorlen_designer_begin_drag", "boolean", x, y),
    designerDragTo: (x, y) => ints("vorlen_designer_drag_to", "boolean", x, y),
    designerEndDrag: (x, y) => ints("vorlen_designer_end_drag", "boolean", x, y),
    designerMarkerAt: (x, y) => ints("vorlen_designer_marker_at", "boolean", x, y),
    designerPixels: (width, height) =>
      pixels(module.ccall("vorlen_designer_pixels", "number", [], []), width, height),
    designerState: () => JSON.parse(call("vorlen_designer_state", "string")),
    // "" when loaded, otherwise why the text is no design.
    // A design file may be 1 MiB.
    designerLoad: (text) => withHeapString(text, (pointer) =>
      module.UTF8ToString(module.ccall("vorlen_designer_load", "number", ["number"], [pointer]))),
    designerSave: () => call("vorlen_designer_save", "string"),
    designerMarkers: () => JSON.parse(call("vorlen_designer_markers", "string")),
    designerOctave: () => call("vorlen_designer_octave", "string"),
    // At the designer's scale.
    analysisPixels: (scale) =>
      pixels(module.ccall("vorlen_analysis_pixels", "number", [], []), analysisWidth * scale,
        analysisHeight * scale),
  };
}
