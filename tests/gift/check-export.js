// The GIFT export read by an independent parser, gift-pegjs.
//   node check-export.js write FOLDER      writes worksheets made of GIFT's
//                                          special characters into FOLDER and
//                                          prints their titles, one a line
//   node check-export.js check QUIZ GIFT   checks that GIFT, the export of the
//                                          quiz file QUIZ, reads as the same
//                                          ten multiple-choice questions
'use strict';
const fs = require('fs');
const path = require('path');
const { parse } = require('gift-pegjs');

// Worksheets as a teacher might type them, full of what GIFT gives a meaning.
const kSheets = [
  {
    title: 'Marks ~ = # { }',
    questions: [
      ['What does ~ stand for?', ['~', '=', '#', '{ }'], 1],
      ['Is 2 = 2?', ['no # not', 'yes = true', 'a:b', 'c\\d'], 2],
      ['Are you 100% sure?', ['50%', '%', '%50% off', '%100'], 4],
      ['Which way -> goes the arrow?', ['x -> y', 'a -> b', '->', '-> end'], 1],
      ['[html] is a marker', ['[plain] text', '[moodle]', '[html]<b>b</b>', '[markdown]'], 3],
      ['Is 5 < 6 > 4?', ['a < b', 'c > d', '<>', '<b>bold</b>'], 4],
      ['Name: the colon', [':', '::', ':: name ::', 'a::b'], 2],
      ['A back\\slash and \\n', ['\\', '\\\\', '\\n', '\\{'], 3],
      ['Braces { and }', ['{', '}', '{}', '}{'], 4],
      ['Hash # and ####', ['#', '####', '# feedback', '=#~'], 1],
    ],
  },
  {
    title: 'Percent % and -> arrows',
    questions: [
      ['%100% right?', ['%100%', '~%0%', '=%50%', '#%'], 1],
      ['Sand, silt and clay', ['Sand, silt', 'a, b, c', ', lead', 'trail ,'], 2],
      ['{=x -> y ~z}', ['=x -> y', '~z', '{}', '}'], 1],
      ['::name:: text', ['::a::', '//', '// not a comment', '\\:'], 4],
      ['x -> y', ['-> a', 'b ->', '- >', '-->'], 1],
      ['Weights %-50% and %25%', ['%-50%', '%25%x', '% 1 %', '%%'], 3],
      ['Ends with a backslash \\', ['a\\', '\\', 'b \\', '\\ c'], 2],
      ['T', ['T', 'F', 'TRUE', 'FALSE'], 1],
      ['#1822:5', ['#1822', '1822:5', '#', '##'], 2],
      ['Tilde ~ and equals =', ['~a', '=b', '~=', '=~'], 4],
    ],
  },
];

const windows1252 = new TextDecoder('windows-1252');

// A value as the quiz file keeps it: each comma written as "&".
function stored(value) {
  return value.replace(/,/g, '&');
}

function writeSheets(folder) {
  for (const sheet of kSheets) {
    const lines = [stored(sheet.title), ' '];
    for (const [text, options, answer] of sheet.questions)
      lines.push(stored(text), ...options.map(stored), String(answer), ' ');
    fs.writeFileSync(path.join(folder, stored(sheet.title) + '.txt'), Buffer.from(lines.join('\r\n') + '\r\n', 'latin1'));
    console.log(sheet.title);
  }
}

// The quiz file read as the program's loader reads it: one value a line,
// blanks at its start skipped, "&" a comma.
function readQuiz(file) {
  const lines = windows1252.decode(fs.readFileSync(file)).split('\r\n');
  const value = (line) => line.replace(/^[ \t]+/, '').replace(/&/g, ',');
  const quiz = { title: value(lines[0]), questions: [] };
  for (let q = 0; q < 10; ++q) {
    const at = 2 + 7 * q;
    quiz.questions.push({
      text: value(lines[at]),
      options: lines.slice(at + 1, at + 5).map(value),
      answer: Number(lines[at + 5]),
    });
  }
  return quiz;
}

const kEntities = { lt: '<', gt: '>', amp: '&', quot: '"', apos: "'", nbsp: ' ' };

// A text as a reader shows it: HTML decoded, runs of blanks as one, as
// gift-pegjs gives every text that is not HTML.
function shown(rich) {
  let text = rich.text;
  if (rich.format === 'html')
    text = text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (whole, name) => {
      if (name[0] !== '#') return kEntities[name] ?? whole;
      return String.fromCodePoint(name[1] === 'x' || name[1] === 'X' ? parseInt(name.slice(2), 16) : Number(name.slice(1)));
    });
  return text.replace(/\s+/g, ' ').trim();
}

function same(a) {
  return a.replace(/\s+/g, ' ').trim();
}

function check(quizFile, giftFile) {
  const quiz = readQuiz(quizFile);
  const problems = [];
  let questions;
  try {
    questions = parse(fs.readFileSync(giftFile, 'utf8'));
  } catch (error) {
    console.error(`${giftFile}: gift-pegjs refuses the file: ${error.message}`);
    return false;
  }
  if (questions.length !== 10) problems.push(`${questions.length} questions, not 10`);
  questions.slice(0, 10).forEach((read, q) => {
    const want = quiz.questions[q];
    const where = `question ${q + 1}`;
    if (read.type !== 'MC') return problems.push(`${where} is ${read.type}, not multiple choice`);
    if (read.title !== `${quiz.title} Q${q + 1}`) problems.push(`${where} is named ${JSON.stringify(read.title)}`);
    if (shown(read.stem) !== same(want.text))
      problems.push(`${where} reads ${JSON.stringify(shown(read.stem))}, not ${JSON.stringify(want.text)}`);
    if (read.choices.length !== 4) return problems.push(`${where} has ${read.choices.length} options`);
    read.choices.forEach((choice, j) => {
      const right = j === want.answer - 1;
      const weight = choice.weight === null ? (choice.isCorrect ? 100 : 0) : choice.weight;
      if (shown(choice.text) !== same(want.options[j]))
        problems.push(`${where}, option ${j + 1} reads ${JSON.stringify(shown(choice.text))}, not ${JSON.stringify(want.options[j])}`);
      if (choice.isCorrect !== right || weight !== (right ? 100 : 0))
        problems.push(`${where}, option ${j + 1} is ${choice.isCorrect ? 'right' : 'wrong'} with weight ${weight}`);
    });
  });
  for (const problem of problems) console.error(`${giftFile}: ${problem}`);
  return problems.length === 0;
}

const [command, ...args] = process.argv.slice(2);
if (command === 'write') writeSheets(args[0]);
else if (command === 'check') process.exit(check(args[0], args[1]) ? 0 : 1);
else {
  console.error('usage: check-export.js write FOLDER | check QUIZ GIFT');
  process.exit(2);
}
