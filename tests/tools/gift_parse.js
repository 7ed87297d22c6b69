// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// node gift_parse.js PARSER BANK.gift RECORDS.json: the GIFT parsed by PARSER holds, in order,
// one multiple-choice question per record of the bank, with its texts and correct answer.
'use strict';
const fs = require('fs');
const [parserPath, giftPath, recordsPath] = process.argv.slice(2);
const { parse } = require(parserPath);

const records = JSON.parse(fs.readFileSync(recordsPath, 'utf8'));
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
    text: record.Dotaz,
    answers: [record.Odp1, record.Odp2, record.Odp3],
    correct: Number(record.CspravOdp),
    comment: record.Komentar,
  };
  if (JSON.stringify(got) !== JSON.stringify(wanted))
    faults.push(`record ${i + 1}: parsed ${JSON.stringify(got)}, bank ${JSON.stringify(wanted)}`);
});
faults.forEach((fault) => console.log(fault));
console.log(`${giftPath}: ${questions.length} questions, ${faults.length} faults`);
process.exit(faults.length === 0 ? 0 : 1);
