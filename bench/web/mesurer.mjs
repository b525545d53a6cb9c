// Measures the browser version in headless Chromium, served from this
// machine, and prints the figures of its budget. It prints; it does not judge.
//   cold start: a browser with an empty cache and no storage, from the
//     address typed to the invitation, then from the click to the first
//     frame of the complete name screen;
//   warm start: the same after a reload, everything in the browser's cache;
//   idle CPU of every Chromium process over 60 s on the name screen and on
//     the menu, once a first player has been made;
//   the copy of the players' folder to the browser's storage, which every
//     save waits for twice (the written file, then the folder);
//   the download, each file as served and compressed.
//   node bench/web/mesurer.mjs build-web build
import { mkdtempSync, readFileSync, readdirSync, rmSync, statSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { gzipSync } from "node:zlib";

// The browser test's own driver (tests/web/node_modules).
import { attendreInvitation, controles, lancerChromium, pause, servir } from "../../tests/web/navigateur.mjs";

const dossier = path.resolve(process.argv[2] ?? "build-web");
const { cliquerSur } = controles(path.resolve(process.argv[3] ?? "build"));
const maintenant = () => performance.now();

// The program's trace lines, with the moment each reached the console.
const traces = [];
function attendreTrace(evenement, ecran, depuis) {
  return new Promise((fini) => {
    const voir = setInterval(() => {
      const t = traces.find((l) => l.moment >= depuis && l.texte.startsWith(`${evenement} ${ecran} `));
      if (t) {
        clearInterval(voir);
        fini(t.moment);
      }
    }, 5);
  });
}

// From the address to the invitation, then from the click to the complete name screen.
async function demarrer(page, aller) {
  const debut = maintenant();
  await aller();
  await attendreInvitation(page);
  const invite = maintenant();
  await page.click("#accueil");
  const complet = await attendreTrace("image-complete", "demande_prenom", invite);
  return { chargement: invite - debut, jeu: complet - invite };
}

// CPU ticks of Chromium and every process below it.
function ticks(racine) {
  const enfants = new Map();
  for (const pid of readdirSync("/proc").filter((n) => /^\d+$/.test(n))) {
    try {
      const champs = readFileSync(`/proc/${pid}/stat`, "utf8").split(") ")[1].split(" ");
      enfants.set(pid, { parent: champs[1], ticks: Number(champs[11]) + Number(champs[12]) });
    } catch {}
  }
  let total = 0;
  const aVoir = [String(racine)];
  while (aVoir.length) {
    const pid = aVoir.pop();
    total += enfants.get(pid)?.ticks ?? 0;
    for (const [p, e] of enfants) if (e.parent === pid) aVoir.push(p);
  }
  return total;
}

async function processeur(navigateur, quoi) {
  const pid = navigateur.process().pid;
  const avant = ticks(pid);
  await pause(60000);
  const ms = (ticks(pid) - avant) * 10;
  console.log(`  ${quoi} : ${ms} ms sur 60000 ms (${(ms / 600).toFixed(2)} % d'un cœur)`);
}

// The median of 20 copies of the players' folder to IndexedDB, as a save makes them.
async function copieDesJoueurs(page) {
  const durees = await page.evaluate(async () => {
    const une = () => new Promise((fini) => {
      const debut = performance.now();
      FS.syncfs(false, () => fini(performance.now() - debut));
    });
    const toutes = [];
    for (let i = 0; i < 20; i++) toutes.push(await une());
    return toutes.sort((a, b) => a - b);
  });
  console.log(`== copie du dossier des joueurs vers le stockage du navigateur : ${durees[10].toFixed(1)} ms ` +
              `(médiane de 20, de ${durees[0].toFixed(1)} à ${durees[19].toFixed(1)} ms)`);
}

function telechargement() {
  let brut = 0, compresse = 0;
  for (const nom of ["index.html", "index.js", "index.wasm", "index.data"]) {
    const octets = readFileSync(path.join(dossier, nom));
    brut += statSync(path.join(dossier, nom)).size;
    compresse += gzipSync(octets, { level: 9 }).length;
  }
  const mo = (n) => (n / 1e6).toFixed(1);
  console.log(`== téléchargement : ${mo(compresse)} Mo compressé (${mo(brut)} Mo en fichiers)`);
}

const { serveur, adresse } = await servir(dossier, 9000);
const profil = mkdtempSync(path.join(tmpdir(), "lexirama-mesure-"));
let navigateur;
try {
  navigateur = await lancerChromium(profil);
  const page = await navigateur.newPage();
  page.on("console", (m) => traces.push({ texte: m.text(), moment: maintenant() }));

  const froid = await demarrer(page, () => page.goto(adresse));
  await pause(8000);  // the opening sound; then the screen is idle
  const chaud = await demarrer(page, () => page.reload());
  const ms = (x) => `${Math.round(x)} ms`;
  console.log("== démarrage (adresse → invitation, clic → écran du prénom complet)");
  console.log(`  à froid : ${ms(froid.chargement + froid.jeu)} (${ms(froid.chargement)} + ${ms(froid.jeu)})`);
  console.log(`  à chaud : ${ms(chaud.chargement + chaud.jeu)} (${ms(chaud.chargement)} + ${ms(chaud.jeu)})`);

  console.log("== processeur au repos");
  await pause(8000);
  await processeur(navigateur, "écran du prénom");
  for (const lettre of "LEA") await cliquerSur(page, "demande_prenom", "lettre", lettre.charCodeAt(0) - "A".charCodeAt(0));
  await cliquerSur(page, "demande_prenom", "fin_mot");
  await pause(3000);
  await cliquerSur(page, "choix_joueur", "personnage", 2);
  await pause(10000);
  await processeur(navigateur, "menu");
  await copieDesJoueurs(page);
  telechargement();
} finally {
  await navigateur?.close();
  serveur.kill();
  rmSync(profil, { recursive: true, force: true });
}
