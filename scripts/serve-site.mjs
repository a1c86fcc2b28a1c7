// Serves a static folder on 127.0.0.1 (scripts/web.sh serve): the site
// as any static host would, with the types a browser needs for modules,
// WebAssembly and the manifest. Nothing outside the folder is served.
//
//   node scripts/serve-site.mjs FOLDER PORT
//
// Port 0 takes a free port; the line it prints names the port it took.
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { extname, join, normalize, sep } from "node:path";

const [folder, portText] = process.argv.slice(2);
const port = Number(portText);
const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".json": "application/json",
  ".webmanifest": "application/manifest+json",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".bmp": "image/bmp",
  ".svg": "image/svg+xml",
};

const server = createServer(async (request, response) => {
  // A path that is not URL-encoded text is a bad request, and one that
  // leads out of the folder is refused; the server goes on either way.
  let path;
  try {
    path = normalize(join(folder, decodeURIComponent(new URL(request.url, "http://localhost").pathname)));
  } catch {
    response.writeHead(400, { "Content-Type": "text/plain" }).end("bad request\n");
    return;
  }
  if (path !== normalize(folder) && !path.startsWith(normalize(folder) + sep)) {
    response.writeHead(403, { "Content-Type": "text/plain" }).end("forbidden\n");
    return;
  }
  try {
    if ((await stat(path)).isDirectory()) path = join(path, "index.html");
    const body = await readFile(path);
    response.writeHead(200, {
      "Content-Type": types[extname(path)] ?? "application/octet-stream",
      "Cache-Control": "no-cache",
    });
    response.end(request.method === "HEAD" ? undefined : body);
  } catch {
    response.writeHead(404, { "Content-Type": "text/plain" }).end("not found\n");
  }
});
server.on("error", (error) => {
  console.error(`error: cannot serve on 127.0.0.1:${port}: ${error.message}`);
  process.exit(1);
});
server.listen(port, "127.0.0.1", () => {
  console.log(`Vorlen is served at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
});
