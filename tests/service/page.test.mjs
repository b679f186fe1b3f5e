// The web page in Chromium: a sentence typed and "Översätt" pressed gives its
// line; an empty text shows the refusal. QUELVO_SCREENSHOT names a picture to save.
import assert from "node:assert/strict";
import { existsSync, mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { load, startServer } from "./server.mjs";

const kSkipped = 77;
const executablePath = "/usr/bin/chromium";
if (!existsSync(executablePath)) process.exit(kSkipped);
const flags = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
               "--disable-background-networking", "--disable-component-update", "--disable-sync"];
const server = await startServer();
const profile = mkdtempSync(join(tmpdir(), "quelvo-chromium-"));
const { chromium } = (await load("playwright-core")).default;
const browser = await chromium.launchPersistentContext(profile, {
  executablePath, headless: true, args: flags, viewport: { width: 820, height: 420 },
});
try {
  const page = await browser.newPage();
  const press = (name) => page.getByRole("button", { name, exact: true }).click();
  await page.goto(server.url);
  await page.fill("#input", "El perro come la xyzzy.");
  await press("Översätt");
  await page.waitForSelector("#output p");
  assert.equal(await page.textContent("#output p"), "Hunden äter den xyzzy.");
  assert.equal(await page.textContent("#output .unknown"), "xyzzy");
  await page.fill("#input", "El Sr. García vive aquí.");
  await press("Översätt");
  await page.waitForSelector("#output p:nth-child(2)");
  if (process.env.QUELVO_SCREENSHOT) await page.screenshot({ path: process.env.QUELVO_SCREENSHOT });

  await press("Nytt");
  await press("Översätt");
  await page.waitForSelector("#message", { state: "visible" });
  assert.equal(await page.textContent("#message-text"), "Ingen text!");
  assert.equal(await page.locator("#output p").count(), 0);
} finally {
  await browser.close();
  rmSync(profile, { recursive: true, force: true });
  await server.stop();
}
