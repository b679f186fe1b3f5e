// Starts quelvo-server on a free loopback port for a test, and loads the
// npm packages installed into the build tree.
import { spawn } from "node:child_process";
import { createRequire } from "node:module";
import { pathToFileURL } from "node:url";

const { QUELVO_SERVER, QUELVO_DATA, QUELVO_NPM } = process.env;

export async function load(name) {
  const path = createRequire(`${QUELVO_NPM}/package.json`).resolve(name);
  return import(pathToFileURL(path).href);
}

// Resolves with { url, port, stop } once the server says where it listens;
// stop() sends SIGTERM and resolves with the exit status.
export function startServer() {
  const child = spawn(QUELVO_SERVER, ["--port", "0", "--data", QUELVO_DATA], { stdio: ["ignore", "pipe", "inherit"] });
  const exited = new Promise((resolve) => child.on("exit", (code) => resolve(code)));
  process.on("exit", () => child.kill());  // a failed test leaves no server behind
  return new Promise((resolve, reject) => {
    child.on("error", reject);
    child.stdout.on("data", (chunk) => {
      const found = /http:\/\/127\.0\.0\.1:(\d+)\//.exec(chunk.toString());
      if (!found) return;
      const port = Number(found[1]);
      resolve({ url: `http://127.0.0.1:${port}`, port, stop: () => (child.kill("SIGTERM"), exited) });
    });
    exited.then((code) => reject(new Error(`quelvo-server ended with ${code}`)));
  });
}
