// Plays the browser build in a headless Chromium as a family would, and
// checks what the page keeps:
//   - it opens on its invitation, and the game starts on the click;
//   - a first player spells LEA with taps on the touch screen (each tap one
//     letter), picks a picture and wins the hangman's first word; the sounds
//     are heard, and the sound rests between them and wakes for the next;
//   - after a reload, the browser's storage holds Léa and her 10 points, as
//     the desktop program's own decoder reads the file;
//   - she wins the second word and the tab is closed at once: reopened, the
//     page holds her 20 points;
//   - each of the fifteen games opens from the menu and gives it back;
//   - SORTIE leaves the page on its goodbye.
// The controls are found where the program's own forms place them, and the
// words to play in the word file, both from the desktop build. The screens
// met on the way are saved as pictures to look at.
//   node tests/web/verifier.mjs build-web build [dossier des captures]
import { execFileSync } from "node:child_process";
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { attendreInvitation, cliquer, controles, lancerChromium, pause, servir, toucher } from "./navigateur.mjs";

const dossier = path.resolve(process.argv[2] ?? "build-web");
const natif = path.resolve(process.argv[3] ?? "build");
const captures = path.resolve(process.argv[4] ?? path.join(dossier, "captures"));

function echec(message) {
  throw new Error(message);
}

// ------------------------------------------------------------ the desktop build's tools

function outil(nom, ...args) {
  return execFileSync(path.join(natif, "tests", nom), args, { cwd: natif, encoding: "utf8" });
}

const { centre, cliquerSur } = controles(natif);

const motsDuPendu = outil("web/lexirama_mots_du_pendu", path.join(natif, "datas", "11.bin"), "2").trim().split("\n");

// A player file's bytes, read by the desktop decoder: { prenom, score, position_pendu }.
function lireJoueur(octets) {
  const fichier = path.join(mkdtempSync(path.join(tmpdir(), "lexirama-joueur-")), "joueur.bin");
  writeFileSync(fichier, Buffer.from(octets));
  const lu = Object.fromEntries(outil("web/lexirama_lire_joueur", fichier).trim().split("\n").map((l) => l.split(" ")));
  rmSync(path.dirname(fichier), { recursive: true });
  return { prenom: lu.prenom, score: Number(lu.score), position_pendu: Number(lu.position_pendu) };
}

// ------------------------------------------------------------ the page

async function accueil(page) {
  return page.$eval("#accueil", (e) => (e.hidden ? "" : e.textContent));
}

async function lancer(page) {
  await page.goto(adresse);
  await attendreInvitation(page);
  await page.click("#accueil");
  await pause(6000);
  const message = await accueil(page);
  if (message) echec(`la page dit « ${message} » au lieu de montrer le jeu`);
}

async function capturer(page, nom) {
  const fichier = path.join(captures, nom);
  await page.screenshot({ path: fichier });
  console.log(`Capture : ${fichier}`);
}

// A word on a screen's alphabet, each letter once, by mouse or by touch.
async function taper(page, forme, mot, appuyer = cliquer) {
  for (const lettre of new Set(mot)) {
    const { x, y } = centre(forme, "lettre", lettre.charCodeAt(0) - "A".charCodeAt(0));
    await appuyer(page, x, y);
  }
}

// The screens the program showed, in order, from its trace; and the page's
// errors, each one a fault even when the visit goes on.
const ecransMontres = [];
const erreursDeLaPage = [];

async function ouvrirPage(navigateur) {
  const page = await navigateur.newPage();
  page.on("pageerror", (e) => {
    console.log("erreur de la page :", e.message);
    erreursDeLaPage.push(e.message);
  });
  page.on("console", (m) => {
    const [evenement, ecran] = m.text().split(" ");
    if (evenement === "premiere-image") ecransMontres.push(ecran);
  });
  await ecouter(page);
  return page;
}

async function attendreEcran(ecran, ms) {
  for (let attendu = 0; attendu < ms; attendu += 100) {
    if (ecransMontres.at(-1) === ecran) return true;
    await pause(100);
  }
  return false;
}

// The menu picture's name (after bouton_ and fin_), the game's screen, and
// for a betting game the answer clicked before each try to leave: a game
// locks its way out while a bet is open, until the bet is answered.
const jeux = [["pendu", "pendu"], ["mot", "mot_a_trouver"], ["1lettre", "unelettre"], ["phrase", "phrase"],
  ["mystere", "mot_mysterieux"], ["anagramme", "anagramme"], ["lettre", "lettre_en_trop"], ["2mots", "deux_mots"],
  ["familles", "familles"], ["musique", "musique"], ["codes", "codes"], ["masculin", "masculin", "reponse1", [0]],
  ["nombre", "nbre_lettres", "reponse", [0]], ["voyelles", "voyelles", "reponse", [0]],
  ["bonneteau", "bonneteau", "bonnet", [0, 1, 2]]];

async function ouvrirEtQuitter(page, [nom, ecran, reponse, indexes]) {
  await cliquerSur(page, "depart", `bouton_${nom}`);
  if (!(await attendreEcran(ecran, 10000))) echec(`${ecran} ne s'ouvre pas depuis le menu`);
  await pause(2000);  // the game's guide welcomes the player
  await capturer(page, `jeu-${ecran}.png`);
  for (let essai = 0; essai < 20; essai++) {
    if (reponse) await cliquerSur(page, ecran, reponse, indexes[essai % indexes.length]);
    await cliquerSur(page, ecran, `fin_${nom}`);
    if (await attendreEcran("depart", 1500)) return;
  }
  echec(`${ecran} ne rend pas la main au menu`);
}

// Every sound buffer the page hands to the speakers is looked at: those with
// a sample above a whisper are counted as heard.
function ecouter(page) {
  return page.evaluateOnNewDocument(() => {
    window.lexiramaSonsEntendus = 0;
    const natif = Object.getOwnPropertyDescriptor(ScriptProcessorNode.prototype, "onaudioprocess");
    Object.defineProperty(ScriptProcessorNode.prototype, "onaudioprocess", {
      configurable: true,
      get() { return natif.get.call(this); },
      set(traiter) {
        natif.set.call(this, (e) => {
          traiter(e);
          const echantillons = e.outputBuffer.getChannelData(0);
          if (echantillons.some((v) => Math.abs(v) > 0.01)) window.lexiramaSonsEntendus++;
        });
      },
    });
  });
}

const sonsEntendus = (page) => page.evaluate(() => window.lexiramaSonsEntendus);

// The sound rests (its audio context suspended) once nothing plays.
async function attendreLeSonAuRepos(page) {
  await page.waitForFunction(() => Module.SDL2?.audioContext?.state === "suspended", { timeout: 15000 })
    .catch(() => echec("le son ne se met pas au repos quand plus rien ne joue"));
}

// The files IDBFS keeps for the players' folder: path → bytes.
function joueursEnregistres(page) {
  return page.evaluate(() => new Promise((fini, rate) => {
    const ouverture = indexedDB.open("/datas/joueurs");
    ouverture.onerror = () => rate(ouverture.error);
    ouverture.onsuccess = () => {
      const magasin = ouverture.result.transaction("FILE_DATA").objectStore("FILE_DATA");
      const fichiers = {};
      magasin.openCursor().onsuccess = (e) => {
        const curseur = e.target.result;
        if (!curseur) return fini(fichiers);
        if (curseur.value.contents) fichiers[String(curseur.key)] = Array.from(curseur.value.contents);
        curseur.continue();
      };
    };
  }));
}

async function verifierLea(page, score, position) {
  const fichiers = await joueursEnregistres(page);
  const nom = Object.keys(fichiers).find((f) => /\/Lea-\d+\.bin$/.test(f));
  if (!nom) echec(`Léa n'est pas restée dans le navigateur (trouvé : ${Object.keys(fichiers).join(", ") || "rien"})`);
  const lu = lireJoueur(fichiers[nom]);
  if (lu.prenom !== "Lea" || lu.score !== score || lu.position_pendu !== position)
    echec(`fichier de Léa : ${JSON.stringify(lu)}, attendu Lea, ${score} points, pendu à ${position}`);
  console.log(`Léa est dans le navigateur : ${score} points, pendu à ${position}.`);
}

// The page opened again: Léa's card is on screen, and her file is checked.
async function retrouverLea(page, capture, score, position) {
  await lancer(page);
  await capturer(page, capture);
  await verifierLea(page, score, position);
}

// From the menu: the hangman, its word played letter by letter; the last
// letter wins. The sound is checked on the way.
async function gagnerLePendu(page, mot) {
  await cliquerSur(page, "depart", "bouton_pendu");
  await pause(3000);  // the robot's welcome
  await attendreLeSonAuRepos(page);
  const avant = await sonsEntendus(page);
  await taper(page, "pendu", mot);
  if ((await sonsEntendus(page)) <= avant) echec("aucun son entendu quand les lettres sont jouées");
}

// ------------------------------------------------------------ the visit

mkdirSync(captures, { recursive: true });
const { serveur, adresse } = await servir(dossier, 8000);
const profil = mkdtempSync(path.join(tmpdir(), "lexirama-chromium-"));
let navigateur;
try {
  navigateur = await lancerChromium(profil);
  let page = await ouvrirPage(navigateur);

  console.log("Premier lancement : Léa écrit son prénom du doigt et gagne un mot du pendu.");
  await lancer(page);
  await capturer(page, "1-prenom.png");
  await taper(page, "demande_prenom", "LEA", toucher);
  await capturer(page, "2-lea.png");
  if ((await sonsEntendus(page)) === 0) echec("aucun son entendu sur l'écran du prénom");
  await cliquerSur(page, "demande_prenom", "fin_mot");
  await pause(3000);
  await capturer(page, "3-personnage.png");
  await cliquerSur(page, "choix_joueur", "personnage", 2);
  await pause(3000);
  await capturer(page, "4-menu.png");
  await gagnerLePendu(page, motsDuPendu[0]);
  await pause(3000);  // the victory, the score pulse and the robot's dance
  await capturer(page, "5-pendu-gagne.png");

  console.log("Rechargement : Léa et ses points sont revenus.");
  await retrouverLea(page, "6-retour.png", 10, 1);

  console.log("Un deuxième mot gagné, puis l'onglet fermé aussitôt.");
  await cliquerSur(page, "choix_joueur", "carte", 0);
  await pause(3000);
  await gagnerLePendu(page, motsDuPendu[1]);
  await page.close();
  page = await ouvrirPage(navigateur);
  await retrouverLea(page, "7-apres-fermeture.png", 20, 2);

  console.log("Les quinze jeux s'ouvrent depuis le menu et lui rendent la main.");
  await cliquerSur(page, "choix_joueur", "carte", 0);
  await pause(3000);
  for (const jeu of jeux) await ouvrirEtQuitter(page, jeu);

  console.log("SORTIE : la page dit au revoir.");
  await cliquerSur(page, "depart", "fin");
  await pause(3000);
  await capturer(page, "8-sortie.png");
  const adieu = await accueil(page);
  if (!adieu.startsWith("Au revoir")) echec(`après SORTIE, la page dit « ${adieu} »`);
  if (erreursDeLaPage.length) echec(`erreurs de la page :\n${erreursDeLaPage.join("\n")}`);
} finally {
  await navigateur?.close();
  serveur.kill();
  rmSync(profil, { recursive: true, force: true });
}
