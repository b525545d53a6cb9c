// What the browser test and the browser bench share: the page served from
// this machine; Debian's Chromium, headless, on a profile of its own, kept
// off the network the machine does not have; the controls of the game's
// 640 × 480 screen, found where the program's own forms place them; and a
// click or a tap on them, scaled into the page.
import { execFileSync, spawn } from "node:child_process";
import path from "node:path";
import puppeteer from "puppeteer-core";

export const pause = (ms) => new Promise((r) => setTimeout(r, ms));

// Serves the page's folder on a free-looking port; resolves once it answers.
// With "?trace" in its address the program names in the console each screen
// it shows, with the moment.
export async function servir(dossier, premierPort) {
  const port = premierPort + Math.floor(Math.random() * 1000);
  const serveur = spawn("python3", ["-m", "http.server", "--bind", "127.0.0.1", "--directory", dossier, String(port)],
                        { stdio: "ignore" });
  const adresse = `http://127.0.0.1:${port}/?trace`;
  for (let essai = 0; essai < 50; essai++) {
    try {
      if ((await fetch(adresse)).ok) return { serveur, adresse };
    } catch {}
    await pause(100);
  }
  serveur.kill();
  throw new Error("le serveur ne répond pas");
}

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

export function attendreInvitation(page) {
  return page.waitForFunction(() => document.getElementById("accueil").textContent === "Cliquez pour jouer",
                              { timeout: 60000, polling: 10 });
}

// The middle of a control on the 640 × 480 screen, by form, control and
// index, from the desktop build's lexirama_formes; and a click on it.
export function controles(natif) {
  const liste = execFileSync(path.join(natif, "tests", "e2e", "lexirama_formes"), { cwd: natif, encoding: "utf8" });
  const formes = new Map(liste.trim().split("\n").map((ligne) => {
    const [forme, controle, index, x, y, l, h] = ligne.split(" ");
    return [`${forme} ${controle} ${index}`, { x: +x + l / 2, y: +y + h / 2 }];
  }));
  const centre = (forme, controle, index = -1) => {
    const milieu = formes.get(`${forme} ${controle} ${index}`);
    if (!milieu) throw new Error(`pas de contrôle ${forme}.${controle}(${index})`);
    return milieu;
  };
  const cliquerSur = (page, ...controle) => {
    const { x, y } = centre(...controle);
    return cliquer(page, x, y);
  };
  return { centre, cliquerSur };
}

async function dansLaPage(page, x, y) {
  const cadre = await page.$eval("#canvas", (c) => c.getBoundingClientRect().toJSON());
  return { x: cadre.x + (x * cadre.width) / 640, y: cadre.y + (y * cadre.height) / 480 };
}

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
