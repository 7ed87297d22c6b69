// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// node gift_parse.js PARSER BANK.gift DUMP.csv: the GIFT parsed by PARSER holds, in order, one
// multiple-choice question per row of the dump, with the row's texts and correct answer.
'use strict';
const fs = require('fs');
const [parserPath, giftPath, csvPath] = process.argv.slice(2);
const { parse } = require(parserPath);

// The dump's CSV: comma separated, quoted cells with "" for a quote.
function csvRows(text) {
  const rows = [];
  let row = [], cell = '', quoted = false;
  for (let i = 0; i < text.length; ++i) {
    const c = text[i];
    if (quoted) {
      if (c === '"' && text[i + 1] === '"') { cell += '"'; ++i; }
      else if (c === '"') quoted = false;
      else cell += c;
    } else if (c === '"') quoted = true;
    else if (c === ',') { row.push(cell); cell = ''; }
    else if (c === '\n') { row.push(cell.replace(/\r$/, '')); rows.push(row); row = []; cell = ''; }
    else cell += c;
  }
  return rows;
}

const [header, ...records] = csvRows(fs.readFileSync(csvPath, 'utf8'));
const field = (record, name) => record[header.indexOf(name)];
const questions = parse(fs.readFileSync(giftPath, 'utf8')).filter((q) => q.type !== 'Category');
const faults = [];
if (questions.length !== records.length)
  faults.push(`${questions.length} questions for ${records.length} records`);
records.forEach((record, i) => {
  const q = questions[i] || {};
  const got = {
    type: q.type,
    text: q.stem && q.stem.text,
    answers: (q.choices || []).map((choice) => choice.text.text),
    correct: (q.choices || []).findIndex((choice) => choice.isCorrect),
    comment: q.globalFeedback ? q.globalFeedback.text : '',
  };
  const wanted = {
    type: 'MC',
    text: field(record, 'Dotaz'),
    answers: [field(record, 'Odp1'), field(record, 'Odp2'), field(record, 'Odp3')],
    correct: Number(field(record, 'CspravOdp')),
    comment: field(record, 'Komentar'),
  };
  if (JSON.stringify(got) !== JSON.stringify(wanted))
    faults.push(`record ${i + 1}: parsed ${JSON.stringify(got)}, bank ${JSON.stringify(wanted)}`);
});
faults.forEach((fault) => console.log(fault));
console.log(`${giftPath}: ${questions.length} questions, ${faults.length} faults`);
process.exit(faults.length === 0 ? 0 : 1);
