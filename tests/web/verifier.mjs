// Plays the browser build in a headless Chromium: the page opens on its
// invitation, the game starts on the click, a first player spells a name on
// the alphabet, and after a reload the browser's storage still holds that
// player; SORTIE leaves the page on its goodbye. The screens met on the way
// are saved as pictures to look at.
//   node tests/web/verifier.mjs build-web [dossier des captures]
import { spawn } from "node:child_process";
import { mkdirSync, mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { cliquer, lancerChromium } from "./navigateur.mjs";

const dossier = path.resolve(process.argv[2] ?? "build-web");
const captures = path.resolve(process.argv[3] ?? path.join(dossier, "captures"));
const port = 8000 + Math.floor(Math.random() * 1000);
const adresse = `http://127.0.0.1:${port}/`;

function servir() {
  const serveur = spawn("python3", ["-m", "http.server", "--bind", "127.0.0.1", "--directory", dossier, String(port)], {
    stdio: "ignore",
  });
  return serveur;
}

async function attendreServeur() {
  for (let essai = 0; essai < 50; essai++) {
    try {
      if ((await fetch(adresse)).ok) return;
    } catch {}
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error("le serveur ne répond pas");
}

async function accueil(page) {
  return page.$eval("#accueil", (e) => (e.hidden ? "" : e.textContent));
}

// The letters of the name screen, thirteen to a row.
async function epeler(page, mot) {
  for (const lettre of mot) {
    const rang = lettre.charCodeAt(0) - "A".charCodeAt(0);
    await cliquer(page, 103 + (rang % 13) * 36.25, rang < 13 ? 334 : 370);
  }
}

const pause = (ms) => new Promise((r) => setTimeout(r, ms));

async function lancer(page) {
  await page.goto(adresse);
  await page.waitForFunction(() => document.getElementById("accueil").textContent === "Cliquez pour jouer",
                             { timeout: 60000 });
  await page.click("#accueil");
  await pause(6000);
  const message = await accueil(page);
  if (message) throw new Error(`la page dit « ${message} » au lieu de montrer le jeu`);
}

async function capturer(page, nom) {
  const fichier = path.join(captures, nom);
  await page.screenshot({ path: fichier });
  console.log(`Capture : ${fichier}`);
}

// The files IDBFS keeps for the players' folder, by path.
function joueursEnregistres(page) {
  return page.evaluate(() => new Promise((fini, echec) => {
    const ouverture = indexedDB.open("/datas/joueurs");
    ouverture.onerror = () => echec(ouverture.error);
    ouverture.onsuccess = () => {
      const cles = ouverture.result.transaction("FILE_DATA").objectStore("FILE_DATA").getAllKeys();
      cles.onsuccess = () => fini(cles.result.map(String));
      cles.onerror = () => echec(cles.error);
    };
  }));
}

mkdirSync(captures, { recursive: true });
const serveur = servir();
const profil = mkdtempSync(path.join(tmpdir(), "lexirama-chromium-"));
let navigateur;
try {
  await attendreServeur();
  navigateur = await lancerChromium(profil);
  const page = await navigateur.newPage();
  page.on("pageerror", (e) => console.log("erreur de la page :", e.message));

  await lancer(page);
  await capturer(page, "1-prenom.png");
  await epeler(page, "LEA");
  await capturer(page, "2-lea.png");
  await cliquer(page, 562, 437);
  await pause(3000);
  await capturer(page, "3-personnage.png");
  await cliquer(page, 320, 160);
  await pause(3000);
  await capturer(page, "4-apres-choix.png");

  await lancer(page);
  await capturer(page, "5-retour.png");
  const joueurs = await joueursEnregistres(page);
  if (!joueurs.some((f) => /\/Lea-\d+\.bin$/.test(f)))
    throw new Error(`Lea n'est pas restée dans le navigateur (trouvé : ${joueurs.join(", ") || "rien"})`);
  console.log("Lea est toujours là après rechargement.");

  await cliquer(page, 168, 160);
  await pause(3000);
  await cliquer(page, 597, 350);
  await pause(3000);
  await capturer(page, "6-sortie.png");
  const adieu = await accueil(page);
  if (!adieu.startsWith("Au revoir")) throw new Error(`après SORTIE, la page dit « ${adieu} »`);
} finally {
  await navigateur?.close();
  serveur.kill();
  rmSync(profil, { recursive: true, force: true });
}
