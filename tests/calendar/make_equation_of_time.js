#!/usr/bin/env node
// Writes the golden file of the equation of time (tests/calendar/equation_of_time.tsv)
// from astronomy-engine (npm, MIT; its own VSOP87 series, nutation and sidereal time,
// independent of libnova and of our own formula): apparent solar time at Greenwich is
// the hour angle of the Sun there plus 12 hours, mean solar time is universal time,
// and the equation is their difference.
// Run by hand with the package unpacked (npm pack astronomy-engine@2.1.19):
//   NODE_PATH=/tmp/astronomy node tests/calendar/make_equation_of_time.js > tests/calendar/equation_of_time.tsv
'use strict';
const Astronomy = require('astronomy-engine');

const greenwich = new Astronomy.Observer(0, 0, 0);
function equationMinutes(date) {
  const apparentHours = Astronomy.HourAngle(Astronomy.Body.Sun, date, greenwich) + 12;
  const meanHours = date.getUTCHours() + date.getUTCMinutes() / 60;
  return (((apparentHours - meanHours) % 24) + 36) % 24 * 60 - 720;
}

const rows = [];
// Every day of 2000 at 04:00 UT (noon in China), and the 1st and 15th of every month
// of four years across the calendar's range.
for (let day = Date.UTC(2000, 0, 1, 4); day < Date.UTC(2001, 0, 1); day += 86400000) rows.push(new Date(day));
for (const year of [1901, 1950, 2050, 2100]) {
  for (let month = 0; month < 12; ++month) {
    for (const day of [1, 15]) rows.push(new Date(Date.UTC(year, month, day, 4)));
  }
}
console.log('# The equation of time (apparent minus mean solar time), in minutes, at moments of universal time.');
console.log('# Rows: moment yyyy-mm-dd hh:mm (UT), equation in minutes to 1/10,000.');
console.log("# Source: astronomy-engine 2.1.19 (npm, MIT), the Sun's hour angle at Greenwich.");
for (const date of rows) {
  console.log(`${date.toISOString().slice(0, 16).replace('T', ' ')}\t${equationMinutes(date).toFixed(4)}`);
}
