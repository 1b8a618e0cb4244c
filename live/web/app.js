'use strict';
// The phone page of a group: strokes per player and hole, sent one entry at a time in the order
// made. Entries not yet acknowledged stay in local storage and are sent again until the service
// answers, also after a reload; the service recognises an entry it already has by device and seq.

const PollMs = 15000;
const RequestTimeoutMs = 8000;
const RetryMs = [1000, 2000, 4000, 8000, 15000];
const ReplacedCodeText = 'Koden er byttet – spør arrangøren.';

const $ = (id) => document.getElementById(id);
// Local storage, mirrored in memory: where the browser refuses to store (private mode, full), the
// page goes on with what it holds until it is closed.
const memory = new Map();
const store = {
  get(key, fallback) {
    if (memory.has(key)) return memory.get(key);
    try { const v = localStorage.getItem(key); return v === null ? fallback : JSON.parse(v); } catch (e) { return fallback; }
  },
  set(key, value) {
    memory.set(key, value);
    try { localStorage.setItem(key, JSON.stringify(value)); } catch (e) { /* kept in memory only */ }
  },
};

const state = { code: '', group: null, hole: 0, role: null, sending: false, retry: 0, stopped: false, timer: 0 };

function codeFromPath() {
  const m = /^\/g\/([A-Za-z0-9]{1,16})\/?$/.exec(location.pathname);
  return m ? m[1].toUpperCase() : '';
}

function key(name) { return 'teebrook.' + name + '.' + state.code; }

function deviceId() {
  let id = store.get('teebrook.device', '');
  if (!/^[a-z0-9]{8,32}$/.test(id)) {
    const bytes = new Uint8Array(8);
    crypto.getRandomValues(bytes);
    id = 'p' + Array.from(bytes, (b) => b.toString(16).padStart(2, '0')).join('');
    store.set('teebrook.device', id);
  }
  return id;
}

function nextSeq() {
  const seq = store.get('teebrook.seq', 0) + 1;
  store.set('teebrook.seq', seq);
  return seq;
}

function pending() { return store.get(key('pending'), []); }
function setPending(list) { store.set(key('pending'), list); showWaiting(); }

function showMessage(text) { $('message').textContent = text; $('message').hidden = !text; }

function showWaiting() {
  const n = pending().length;
  $('waiting').hidden = n === 0;
  $('waiting').textContent = n === 1 ? '1 venter' : n + ' venter';
}

async function request(method, path, body) {
  const abort = new AbortController();
  const timer = setTimeout(() => abort.abort(), RequestTimeoutMs);
  try {
    const response = await fetch(path, {
      method, cache: 'no-store', signal: abort.signal,
      headers: body ? { 'Content-Type': 'application/json' } : {},
      body: body ? JSON.stringify(body) : undefined,
    });
    let data = null;
    try { data = await response.json(); } catch (e) { data = null; }
    return { status: response.status, data };
  } catch (e) {
    return { status: 0, data: null };
  } finally {
    clearTimeout(timer);
  }
}

// The code no longer opens the group: entries wait, nothing more is sent.
function codeRefused(status, data) {
  if (status === 429) { showMessage((data && data.error) || 'Vent et minutt'); return false; }
  if (status !== 403) return false;
  state.stopped = true;
  // Either way the page offers to type the code the organiser gives.
  const replaced = store.get(key('known'), false) || state.group;
  showCodeForm();
  showMessage(replaced ? ReplacedCodeText : 'Ukjent kode: ' + state.code);
  if (replaced) $('codeInput').value = '';
  return true;
}

// The rows of the card: a side playing one ball is one row, on its first player.
function rows() {
  const list = [];
  state.group.players.forEach((p, i) => {
    const name = (p.firstName + ' ' + p.surName).trim();
    if (p.entries === false && list.length > 0) {
      list[list.length - 1].names.push(name);
      list[list.length - 1].members.push(i + 1);
    } else {
      list.push({ player: i + 1, names: [name], members: [i + 1], handicap: p.playingHandicap });
    }
  });
  return list;
}

function shownStrokes(player, hole) {
  const waiting = pending().filter((e) => e.player === player && e.hole === hole + 1);
  if (waiting.length > 0) return { strokes: waiting[waiting.length - 1].strokes, waiting: true };
  // Where this phone's role entered a figure, it shows that one (on a hole in conflict the other
  // role's may stand); else the stored stroke.
  const shown = state.group.players[player - 1];
  const own = (state.role ? (by() === 'marker' ? shown.markerStrokes : shown.playerStrokes) : null) || [];
  return { strokes: own[hole] || shown.strokes[hole] || 0, waiting: false };
}

function isConflict(player, hole) {
  return state.group.conflicts.some((c) => c.player === player && c.hole === hole + 1);
}

function mayEnter(row) {
  return state.role === 'marker' || row.members.includes(Number(String(state.role).split(':')[1]));
}

function by() { return state.role === 'marker' ? 'marker' : 'player'; }

function enter(row, change) {
  const hole = state.hole;
  const now = shownStrokes(row.player, hole).strokes;
  const par = state.group.par[hole] || 4;
  let strokes = now === 0 ? (change > 0 ? par : par - 1) : now + change;
  strokes = Math.max(0, Math.min(30, strokes));
  if (strokes === now) return;
  const list = pending();
  list.push({ player: row.player, hole: hole + 1, strokes, by: by(), device: deviceId(), seq: nextSeq() });
  setPending(list);
  render();
  sendWaiting();
}

function retryLater() {
  const wait = RetryMs[Math.min(state.retry, RetryMs.length - 1)];
  state.retry += 1;
  setTimeout(sendWaiting, wait);
}

async function sendWaiting() {
  if (state.sending || state.stopped) return;
  state.sending = true;
  try {
    for (let list = pending(); list.length > 0 && !state.stopped; list = pending()) {
      const entry = list[0];
      const answer = await request('POST', '/api/group/' + state.code + '/score', entry);
      if (codeRefused(answer.status, answer.data)) return;
      if (answer.status === 200) {
        acknowledge(entry, answer.data);
      } else if (answer.status === 400 || answer.status === 413) {
        // The service will never take it: said, and left out so the rest go.
        showMessage('Ikke tatt imot: ' + ((answer.data && answer.data.error) || answer.status));
        setPending(pending().filter((e) => e.seq !== entry.seq));
      } else {
        retryLater();
        return;
      }
    }
    state.retry = 0;
    if (!state.stopped) refresh();
  } finally {
    state.sending = false;
  }
}

function acknowledge(entry, answer) {
  setPending(pending().filter((e) => e.seq !== entry.seq));
  const player = state.group.players[entry.player - 1];
  if (player && answer) {
    player.strokes[entry.hole - 1] = answer.stored;
    const own = entry.by === 'marker' ? player.markerStrokes : player.playerStrokes;
    if (own) own[entry.hole - 1] = entry.strokes;
  }
  state.retry = 0;
  if (!/^Ikke tatt imot/.test($('message').textContent)) showMessage('');
  render();
}

async function refresh() {
  if (state.stopped) return;
  const answer = await request('GET', '/api/group/' + state.code);
  if (codeRefused(answer.status, answer.data)) return;
  if (answer.status !== 200 || !answer.data) {
    if (!state.group) showMessage('Får ikke kontakt – prøver igjen.');
    return;
  }
  store.set(key('known'), true);
  const first = !state.group;
  if (first || answer.data.version !== state.group.version || pending().length === 0) state.group = answer.data;
  if (first) {
    showMessage('');
    state.hole = Math.min(store.get(key('hole'), firstOpenHole()), state.group.holes - 1);
  }
  if (!state.role) showRoleForm(); else render();
  if (pending().length > 0) sendWaiting();
}

function firstOpenHole() {
  const list = rows();
  for (let h = 0; h < state.group.holes; h += 1) {
    if (list.some((r) => !state.group.players[r.player - 1].strokes[h])) return h;
  }
  return 0;
}

function showCodeForm() {
  $('codeForm').hidden = false;
  $('scoring').hidden = true;
  $('roleForm').hidden = true;
  $('codeInput').value = state.code;
  $('codeInput').focus();
}

function showRoleForm() {
  $('scoring').hidden = true;
  $('roleForm').hidden = false;
  const choices = $('roleChoices');
  choices.replaceChildren();
  const add = (label, role) => {
    const b = document.createElement('button');
    b.textContent = label;
    b.dataset.role = role;
    b.addEventListener('click', () => { state.role = role; store.set(key('role'), role); $('roleForm').hidden = true; render(); });
    choices.append(b);
  };
  add('Markør', 'marker');
  state.group.players.forEach((p, i) => add((p.firstName + ' ' + p.surName).trim(), 'player:' + (i + 1)));
}

function whoText() {
  if (state.role === 'marker') return 'Du registrerer som markør.';
  const p = state.group.players[Number(state.role.split(':')[1]) - 1];
  return p ? 'Du registrerer for ' + (p.firstName + ' ' + p.surName).trim() + '.' : '';
}

function render() {
  if (!state.group || !state.role) return;
  const g = state.group;
  $('scoring').hidden = false;
  $('title').textContent = 'Gruppe ' + g.group + (g.name ? ' – ' + g.name : '');
  $('holeNumber').textContent = 'Hull ' + (state.hole + 1);
  $('holeFacts').textContent = 'Par ' + g.par[state.hole] + ' · Indeks ' + g.index[state.hole];
  $('prevHole').disabled = state.hole === 0;
  $('nextHole').disabled = state.hole >= g.holes - 1;
  $('whoText').textContent = whoText();
  renderRows();
  renderCard();
  showWaiting();
}

function renderRows() {
  const box = $('rows');
  box.replaceChildren();
  let anyConflict = false;
  for (const row of rows()) {
    const shown = shownStrokes(row.player, state.hole);
    const conflict = isConflict(row.player, state.hole);
    anyConflict = anyConflict || conflict;
    const div = document.createElement('div');
    div.className = 'row' + (conflict ? ' conflict' : '');
    div.dataset.player = row.player;
    const name = document.createElement('div');
    name.className = 'name';
    name.textContent = row.names.join(' / ');
    if (row.handicap !== null && row.handicap !== undefined) {
      const hcp = document.createElement('span');
      hcp.className = 'hcp';
      hcp.textContent = 'Spillehcp ' + row.handicap;
      name.append(hcp);
    }
    const strokes = document.createElement('div');
    strokes.className = 'strokes' + (shown.waiting ? ' pending' : '');
    strokes.textContent = shown.strokes ? String(shown.strokes) : '–';
    div.append(name);
    if (mayEnter(row)) {
      div.append(button('−', 'minus', () => enter(row, -1)), strokes, button('+', 'plus', () => enter(row, 1)));
    } else {
      div.append(strokes);
    }
    box.append(div);
  }
  $('holeConflict').hidden = !anyConflict;
}

function button(text, cls, action) {
  const b = document.createElement('button');
  b.textContent = text;
  b.className = cls;
  b.addEventListener('click', action);
  return b;
}

function renderCard() {
  const g = state.group;
  const list = rows();
  const table = $('card');
  table.replaceChildren();
  const head = table.insertRow();
  for (const text of ['Hull', 'Par'].concat(list.map((r) => r.names.map((n) => n.split(' ')[0]).join('/')))) {
    const th = document.createElement('th');
    th.textContent = text;
    head.append(th);
  }
  const sums = list.map(() => 0);
  for (let h = 0; h < g.holes; h += 1) {
    const tr = table.insertRow();
    tr.addEventListener('click', () => goToHole(h));
    if (h === state.hole) tr.className = 'current';
    tr.insertCell().textContent = h + 1;
    tr.insertCell().textContent = g.par[h];
    list.forEach((r, i) => {
      const cell = tr.insertCell();
      const shown = shownStrokes(r.player, h);
      cell.textContent = shown.strokes ? shown.strokes : '';
      sums[i] += shown.strokes;
      if (isConflict(r.player, h)) cell.className = 'conflict';
    });
  }
  const total = table.insertRow();
  total.insertCell().textContent = 'Sum';
  total.insertCell().textContent = g.par.slice(0, g.holes).reduce((a, b) => a + b, 0);
  sums.forEach((s) => { total.insertCell().textContent = s || ''; });
}

function goToHole(h) {
  state.hole = Math.max(0, Math.min(state.group.holes - 1, h));
  store.set(key('hole'), state.hole);
  render();
}

function start() {
  state.code = codeFromPath();
  $('codeEntry').addEventListener('submit', (event) => {
    event.preventDefault();
    const typed = $('codeInput').value.trim().toUpperCase();
    if (typed) location.href = '/g/' + encodeURIComponent(typed);
  });
  if (!state.code) { showCodeForm(); return; }
  state.role = store.get(key('role'), null);
  $('prevHole').addEventListener('click', () => goToHole(state.hole - 1));
  $('nextHole').addEventListener('click', () => goToHole(state.hole + 1));
  $('changeRole').addEventListener('click', () => { state.role = null; store.set(key('role'), null); showRoleForm(); });
  window.addEventListener('online', () => { state.retry = 0; sendWaiting(); });
  showWaiting();
  refresh();
  state.timer = setInterval(() => { if (!state.sending) refresh(); }, PollMs);
}

start();
