// What the browser test and the browser bench share: Debian's Chromium,
// headless, on a profile of its own, kept off the network the machine does
// not have; and a click or a tap on the game's 640 × 480 screen, scaled into
// the page.
import puppeteer from "puppeteer-core";

export function lancerChromium(profil) {
  return puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    userDataDir: profil,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
    defaultViewport: { width: 1024, height: 768, hasTouch: true },
  });
}

async function dansLaPage(page, x, y) {
  const cadre = await page.$eval("#canvas", (c) => c.getBoundingClientRect().toJSON());
  return { x: cadre.x + (x * cadre.width) / 640, y: cadre.y + (y * cadre.height) / 480 };
}

const pause = (ms) => new Promise((r) => setTimeout(r, ms));

export async function cliquer(page, x, y) {
  const point = await dansLaPage(page, x, y);
  await page.mouse.click(point.x, point.y, { delay: 60 });
  await pause(400);
}

export async function toucher(page, x, y) {
  const point = await dansLaPage(page, x, y);
  await page.touchscreen.tap(point.x, point.y);
  await pause(400);
}
