'use strict';
// The clubhouse board's standings, read-only, fetched again a few times a minute.

const PollMs = 20000;
let shownVersion = null;

function cell(row, text, cls) {
  const td = row.insertCell();
  td.textContent = text;
  if (cls) td.className = cls;
  return td;
}

function scoreText(competition, row) {
  if (row.status) return row.status;
  const points = /poeng|stableford/i.test(competition.playForm);
  return String(points ? row.points : row.net);
}

function show(board) {
  const box = document.getElementById('competitions');
  box.replaceChildren();
  for (const competition of board.competitions) {
    const h2 = document.createElement('h2');
    h2.textContent = competition.title;
    const table = document.createElement('table');
    const head = table.insertRow();
    for (const text of ['', 'Navn', 'Hull', 'Brutto', 'Resultat']) {
      const th = document.createElement('th');
      th.textContent = text;
      head.append(th);
    }
    for (const row of competition.rows) {
      const tr = table.insertRow();
      cell(tr, row.place === null ? '' : row.place + '.');
      const name = cell(tr, row.name, 'name');
      if (row.club) {
        const club = document.createElement('div');
        club.className = 'status';
        club.textContent = row.club;
        name.append(club);
      }
      cell(tr, row.holes);
      cell(tr, row.holes ? row.gross : '');
      cell(tr, scoreText(competition, row), row.status ? 'status' : '');
    }
    box.append(h2, table);
  }
}

async function refresh() {
  const message = document.getElementById('message');
  try {
    const response = await fetch('/api/board', { cache: 'no-store' });
    const board = await response.json();
    message.hidden = true;
    if (board.version !== shownVersion) { shownVersion = board.version; show(board); }
  } catch (e) {
    message.textContent = 'Får ikke kontakt – prøver igjen.';
    message.hidden = false;
  }
}

refresh();
setInterval(refresh, PollMs);
