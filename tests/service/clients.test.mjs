// Existing LibreTranslate clients, unchanged, against a server on loopback;
// the body limit and the graceful stop seen from outside.
import assert from "node:assert/strict";
import { load, startServer } from "./server.mjs";

const server = await startServer();
try {
  const { translate: libre } = await load("libretranslate");
  assert.equal(await libre({ query: "El perro come la carne.", source: "es", target: "sv", apiurl: server.url }),
               "Hunden äter köttet.");

  const { Translate } = await load("translate");
  const translate = Translate({ engine: "libre", url: `${server.url}/translate` });
  assert.equal(await translate("El Sr. García vive aquí. El gato bebe leche.", { from: "es", to: "sv" }),
               "Herr García bor här. Katten dricker mjölk.");

  const tooLarge = await fetch(`${server.url}/translate`, { method: "POST", body: "q=".padEnd(70000, "a") });
  assert.equal(tooLarge.status, 413);
  assert.deepEqual(await tooLarge.json(), { error: "Payload Too Large" });
} finally {
  assert.equal(await server.stop(), 0, "SIGTERM ends the server cleanly");
}
