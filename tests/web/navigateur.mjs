// What the browser test and the browser bench share: Debian's Chromium,
// headless, on a profile of its own, kept off the network the machine does
// not have; and a click on the game's 640 × 480 screen, scaled into the page.
import puppeteer from "puppeteer-core";

export function lancerChromium(profil) {
  return puppeteer.launch({
    executablePath: "/usr/bin/chromium",
    headless: true,
    userDataDir: profil,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
    defaultViewport: { width: 1024, height: 768 },
  });
}

export async function cliquer(page, x, y) {
  const cadre = await page.$eval("#canvas", (c) => c.getBoundingClientRect().toJSON());
  await page.mouse.click(cadre.x + (x * cadre.width) / 640, cadre.y + (y * cadre.height) / 480, { delay: 60 });
  await new Promise((r) => setTimeout(r, 400));
}
