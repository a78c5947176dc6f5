#!/usr/bin/env node
// Writes the reference file of 胎元, 命宫 and 身宫 (tests/readings/palaces_300_births.tsv)
// from the calendar library lunar-javascript (MIT, 6tail, version 1.7.7 from the npm
// registry), which charts independently of our engine. 300 births are drawn from a fixed
// seed over 1901-2100, to the minute in China standard time; births in China's
// daylight-saving summers (1986-1991, April to September) are left out, since the library
// knows no daylight saving, and so are births within ten minutes of a 节, where its 节
// moments and ours may fall on different sides of the birth by a minute. The library
// takes the day at 23:00 as the next one (sect 1), as we do.
// Run outside the repository, where the package is installed:
//   mkdir /tmp/lunar && cd /tmp/lunar && npm install lunar-javascript@1.7.7
//   NODE_PATH=/tmp/lunar/node_modules node tests/readings/make_palace_reference.js > tests/readings/palaces_300_births.tsv
const { Solar } = require('lunar-javascript');

// A small fixed-seed generator (mulberry32), so that the file can be made again.
let seed = 20260321;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (low, high) => low + Math.floor(random() * (high - low + 1));
const two = (n) => String(n).padStart(2, '0');

function minutesTo(solar, other) {
  return Math.abs(solar.subtractMinute(other));
}

console.log('# 胎元, 命宫, 身宫 of 300 births (China standard time) by lunar-javascript 1.7.7; made by make_palace_reference.js');
console.log(['date', 'time', 'pillars', 'taiyuan', 'minggong', 'shengong'].join('\t'));
let written = 0;
while (written < 300) {
  const year = pick(1901, 2100), month = pick(1, 12);
  const day = pick(1, new Date(Date.UTC(year, month, 0)).getUTCDate());
  const hour = pick(0, 23), minute = pick(0, 59);
  if (year >= 1986 && year <= 1991 && month >= 4 && month <= 9) continue;
  const solar = Solar.fromYmdHms(year, month, day, hour, minute, 0);
  const lunar = solar.getLunar();
  const near = [lunar.getPrevJie(false), lunar.getNextJie(false)].some((jie) => minutesTo(solar, jie.getSolar()) <= 10);
  if (near) continue;
  const chart = lunar.getEightChar();
  chart.setSect(1);
  const pillars = [chart.getYear(), chart.getMonth(), chart.getDay(), chart.getTime()].join(' ');
  console.log([`${year}-${two(month)}-${two(day)}`, `${two(hour)}:${two(minute)}`, pillars, chart.getTaiYuan(),
               chart.getMingGong(), chart.getShenGong()].join('\t'));
  ++written;
}
