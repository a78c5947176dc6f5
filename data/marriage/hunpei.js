// 姻缘速配: the script behind the marriage pages' button. It reads the two
// partners' names and birthdays from the page's form, checks them, computes
// six coefficients from 0 to 100 and draws them as a bar chart where the
// page's applet element stands, with one sentence per coefficient.
//
// How the coefficients are computed (matchCoefficients, a pure function):
//   Z  the two zodiac animals (the lunar year of birth, which turns at the
//      Spring Festival): 60, +30 for 六合, +25 for 三合, +10 for the same
//      animal, -35 for 六冲, -25 for 六害, -20 for 相刑, -15 for 自刑
//      (the same animal of 辰, 午, 酉 or 亥 instead of +10); kept within 0..100.
//   N  the 纳音 elements of the two birth years: the same 75, the man's gives
//      birth to the woman's 90, the woman's to the man's 85, the man's
//      overcomes the woman's 45, the woman's the man's 35.
//   S  the elements of the two star signs (fire 白羊 狮子 射手, earth 金牛 处女
//      摩羯, air 双子 天秤 水瓶, water 巨蟹 天蝎 双鱼): the same 80, fire with
//      air or earth with water 90, fire with earth or air with water 60, fire
//      with water or earth with air 40.
//   A  the age difference g in years (positive when the man is older): 95 for
//      0 <= g <= 6, then 5 less per year beyond 6; 85 for -3 <= g < 0, then
//      8 less per year beyond 3; never below 20.
//   姻缘 = .45Z + .35N + .20S     成婚 = .40Z + .25N + .35A
//   性和谐 = .50S + .30Z + .20A   感情 = .40S + .35Z + .25N
//   健康 = .60N + .20Z + .20A     财运 = .50N + .30Z + .20S
// each rounded to a whole number.

'use strict';

var HUNPEI_NAMES = ['姻缘', '成婚', '性和谐', '感情', '健康', '财运'];
var HUNPEI_ANIMALS = '鼠牛虎兔龙蛇马羊猴鸡狗猪';
var HUNPEI_BRANCHES = '子丑寅卯辰巳午未申酉戌亥';
var HUNPEI_STEMS = '甲乙丙丁戊己庚辛壬癸';
var HUNPEI_FIRST_YEAR = 1900;
var HUNPEI_LAST_YEAR = 2100;

// The Spring Festival of 1900 .. 2100 as month and day (MDD), from the lunar
// conversion of the calendar engine.
var HUNPEI_SPRING_FESTIVALS =
  '131219208129216204125213202122210130218206126214204123211201' +  // 1900-1919
  '220208128216205124213202123210130217206126214204124211131219' +  // 1920-1939
  '208127215205125213202122210129217206127214203124212131218208' +  // 1940-1959
  '128215205125213202121209130217206127215203123211131218207128' +  // 1960-1979
  '216205125213202220209129217206127215204123210131219207128216' +  // 1980-1999
  '205124212201122209129218207126214203123210131219208128216205' +  // 2000-2019
  '125212201122210129217206126213203123211131219208128215204124' +  // 2020-2039
  '212201122210130217206126214202123211201219208128215204124212' +  // 2040-2059
  '202121209129217205126214203123211131219207127215205124212202' +  // 2060-2079
  '122209129217206126214203124210130218207127215205125212201121' +  // 2080-2099
  '209';                                                            // 2100

// 纳音 of each pair of the sixty years from 甲子.
var HUNPEI_NAYIN = [
  '海中金', '炉中火', '大林木', '路旁土', '剑锋金', '山头火', '涧下水', '城头土', '白蜡金', '杨柳木',
  '泉中水', '屋上土', '霹雳火', '松柏木', '长流水', '沙中金', '山下火', '平地木', '壁上土', '金箔金',
  '覆灯火', '天河水', '大驿土', '钗钏金', '桑柘木', '大溪水', '沙中土', '天上火', '石榴木', '大海水'
];

// Element names in the order of the cycle of birth (木生火, 火生土 ...).
var HUNPEI_ELEMENTS = '木火土金水';

function hunpeiDaysInMonth(year, month) {
  if (month === 2) return (year % 4 === 0 && year % 100 !== 0) || year % 400 === 0 ? 29 : 28;
  return [31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31][month - 1];
}

// Days since 1970-01-01 of a civil date.
function hunpeiDayNumber(date) {
  return Math.floor(Date.UTC(date.year, date.month - 1, date.day) / 86400000);
}

// The lunar year a birthday of 1900 .. 2100 belongs to; throws RangeError
// for another year.
function lunarYearOf(date) {
  if (!(date.year >= HUNPEI_FIRST_YEAR && date.year <= HUNPEI_LAST_YEAR)) {
    throw new RangeError('year ' + date.year + ' outside ' + HUNPEI_FIRST_YEAR + '..' + HUNPEI_LAST_YEAR);
  }
  var code = HUNPEI_SPRING_FESTIVALS.substr((date.year - HUNPEI_FIRST_YEAR) * 3, 3);
  var festival = Number(code.charAt(0)) * 100 + Number(code.substr(1));
  return date.month * 100 + date.day >= festival ? date.year : date.year - 1;
}

function hunpeiMod(a, n) { return ((a % n) + n) % n; }

// The year's place in the sixty-year cycle (甲子 = 0), its animal's branch
// (子 = 0) and the element of its 纳音.
function yearFacts(date) {
  var lunarYear = lunarYearOf(date);
  var cycle = hunpeiMod(lunarYear - 4, 60);
  var nayin = HUNPEI_NAYIN[Math.floor(cycle / 2)];
  return {
    lunarYear: lunarYear,
    cycle: cycle,
    yearName: HUNPEI_STEMS.charAt(cycle % 10) + HUNPEI_BRANCHES.charAt(cycle % 12),
    branch: cycle % 12,
    animal: HUNPEI_ANIMALS.charAt(cycle % 12),
    nayin: nayin,
    element: nayin.charAt(2)
  };
}

// The star sign of a month and day and its element (火, 土, 风, 水).
function starSignOf(month, day) {
  var starts = [[120, '水瓶座', '风'], [219, '双鱼座', '水'], [321, '白羊座', '火'], [420, '金牛座', '土'],
                [521, '双子座', '风'], [622, '巨蟹座', '水'], [723, '狮子座', '火'], [823, '处女座', '土'],
                [923, '天秤座', '风'], [1024, '天蝎座', '水'], [1122, '射手座', '火'], [1222, '摩羯座', '土']];
  var key = month * 100 + day;
  var sign = ['摩羯座', '土'];
  for (var i = 0; i < starts.length; i++) {
    if (key >= starts[i][0]) sign = [starts[i][1], starts[i][2]];
  }
  return { name: sign[0], element: sign[1] };
}

// The relations of two branches (子 = 0 .. 亥 = 11).
function branchRelations(a, b) {
  var pair = function (x, y) { return (a === x && b === y) || (a === y && b === x); };
  var punishing = pair(0, 3) || pair(2, 5) || pair(5, 8) || pair(2, 8) || pair(1, 10) || pair(10, 7) || pair(1, 7);
  var selfPunishing = a === b && [4, 6, 9, 11].indexOf(a) >= 0;
  return {
    sixHarmony: (a + b) % 12 === 1,
    threeHarmony: a !== b && a % 4 === b % 4,
    clash: Math.abs(a - b) === 6,
    harm: (a + b) % 12 === 7,
    punishment: punishing,
    selfPunishment: selfPunishing,
    same: a === b && !selfPunishing
  };
}

function zodiacScore(relations) {
  var score = 60;
  if (relations.sixHarmony) score += 30;
  if (relations.threeHarmony) score += 25;
  if (relations.same) score += 10;
  if (relations.clash) score -= 35;
  if (relations.harm) score -= 25;
  if (relations.punishment) score -= 20;
  if (relations.selfPunishment) score -= 15;
  return Math.max(0, Math.min(100, score));
}

// How the man's element stands to the woman's: same, gives (生), given (被生),
// overcomes (克), overcome (被克).
function elementRelation(man, woman) {
  var m = HUNPEI_ELEMENTS.indexOf(man);
  var w = HUNPEI_ELEMENTS.indexOf(woman);
  if (m === w) return 'same';
  if ((m + 1) % 5 === w) return 'gives';
  if ((w + 1) % 5 === m) return 'given';
  if ((m + 2) % 5 === w) return 'overcomes';
  return 'overcome';
}

var HUNPEI_NAYIN_SCORES = { same: 75, gives: 90, given: 85, overcomes: 45, overcome: 35 };

function signScore(a, b) {
  if (a === b) return 80;
  var pair = [a, b].sort().join('');
  if (pair === '火风' || pair === '土水') return 90;
  if (pair === '土火' || pair === '水风') return 60;
  return 40;
}

// The man's age less the woman's, in years.
function ageGap(man, woman) {
  return (hunpeiDayNumber(woman) - hunpeiDayNumber(man)) / 365.25;
}

function ageScore(gap) {
  var score;
  if (gap >= 0) score = gap <= 6 ? 95 : 95 - 5 * (gap - 6);
  else score = gap >= -3 ? 85 : 85 - 8 * (-gap - 3);
  return Math.max(20, score);
}

// The six coefficients of two birthdays ({year, month, day} each), with the
// facts they were computed from.
function matchCoefficients(man, woman) {
  var m = yearFacts(man);
  var w = yearFacts(woman);
  var relations = branchRelations(m.branch, w.branch);
  var mSign = starSignOf(man.month, man.day);
  var wSign = starSignOf(woman.month, woman.day);
  var gap = ageGap(man, woman);
  var Z = zodiacScore(relations);
  var N = HUNPEI_NAYIN_SCORES[elementRelation(m.element, w.element)];
  var S = signScore(mSign.element, wSign.element);
  var A = ageScore(gap);
  var mix = function (weights) {
    var value = weights[0] * Z + weights[1] * N + weights[2] * S + weights[3] * A;
    return Math.max(0, Math.min(100, Math.round(value + 1e-9)));
  };
  return {
    coefficients: [
      mix([0.45, 0.35, 0.20, 0]), mix([0.40, 0.25, 0, 0.35]), mix([0.30, 0, 0.50, 0.20]),
      mix([0.35, 0.25, 0.40, 0]), mix([0.20, 0.60, 0, 0.20]), mix([0.30, 0.50, 0.20, 0])
    ],
    scores: { zodiac: Z, nayin: N, signs: S, age: A },
    man: m, woman: w, relations: relations, manSign: mSign, womanSign: wSign, ageGap: gap
  };
}

// A partner's entries checked: the message for the first fault, or nothing.
// `who` is 男方 or 女方; `today` the date nobody can be born after.
function checkPartner(who, name, year, month, day, today) {
  var trimmed = String(name).replace(/^\s+|\s+$/g, '');
  if (trimmed === '') return '请填写' + who + '姓名。';
  if (trimmed.length > 40) return who + '姓名不能超过40个字。';
  var y = String(year).replace(/^\s+|\s+$/g, '');
  var mo = String(month).replace(/^\s+|\s+$/g, '');
  var d = String(day).replace(/^\s+|\s+$/g, '');
  if (!/^\d{4}$/.test(y) || Number(y) < HUNPEI_FIRST_YEAR || Number(y) > HUNPEI_LAST_YEAR) {
    return who + '的出生年份请填四位数字（' + HUNPEI_FIRST_YEAR + '到' + HUNPEI_LAST_YEAR + '）。';
  }
  if (!/^\d{1,2}$/.test(mo) || Number(mo) < 1 || Number(mo) > 12) return who + '的出生月份请填1到12。';
  if (!/^\d{1,2}$/.test(d) || Number(d) < 1 || Number(d) > hunpeiDaysInMonth(Number(y), Number(mo))) {
    return who + '的出生日期' + y + '-' + Number(mo) + '-' + d + '不存在。';
  }
  var date = { year: Number(y), month: Number(mo), day: Number(d) };
  if (today && hunpeiDayNumber(date) > hunpeiDayNumber(today)) return who + '的出生日期不能晚于今天。';
  return null;
}

function hunpeiLevel(value) {
  if (value >= 85) return '很高';
  if (value >= 70) return '较高';
  if (value >= 55) return '中等';
  if (value >= 40) return '偏低';
  return '很低';
}

// What the two animals have between them, in words.
function relationText(result) {
  var r = result.relations;
  var pair = HUNPEI_BRANCHES.charAt(result.man.branch) + HUNPEI_BRANCHES.charAt(result.woman.branch);
  var parts = [];
  if (r.sixHarmony) parts.push(pair + '六合');
  if (r.threeHarmony) parts.push(pair + '三合');
  if (r.same) parts.push('同属相比和');
  if (r.clash) parts.push(pair + '六冲');
  if (r.harm) parts.push(pair + '相害');
  if (r.punishment) parts.push(pair + '相刑');
  if (r.selfPunishment) parts.push(pair + '自刑');
  return parts.length ? parts.join('、') : pair + '无冲无合';
}


// One sentence per coefficient.
function matchSentences(result) {
  var c = result.coefficients;
  var animals = '男属' + result.man.animal + '、女属' + result.woman.animal + '，' + relationText(result);
  var m = result.man.element, w = result.woman.element;
  var elements = {
    same: '同属' + m + '，比和', gives: m + '生' + w + '，男生女', given: w + '生' + m + '，女生男',
    overcomes: m + '克' + w + '，男克女', overcome: w + '克' + m + '，女克男'
  };
  var nayin = '男命' + result.man.nayin + '，女命' + result.woman.nayin + '，' + elements[elementRelation(m, w)];
  var signs = result.manSign.name + '与' + result.womanSign.name +
              (result.manSign.element === result.womanSign.element ? '同属' + result.manSign.element + '象'
                                                                  : '分属' + result.manSign.element + '、' +
                                                                        result.womanSign.element + '象');
  var years = Math.round(Math.abs(result.ageGap));
  var age = years === 0 ? '两人同龄' : (result.ageGap > 0 ? '男长女' : '女长男') + years + '岁';
  var reasons = [animals + '；' + nayin, animals + '；' + age, signs + '；' + age, signs + '；' + animals,
                 nayin + '；' + age, nayin + '；' + animals];
  var sentences = [];
  for (var i = 0; i < HUNPEI_NAMES.length; i++) {
    sentences.push(HUNPEI_NAMES[i] + '系数' + c[i] + '，' + hunpeiLevel(c[i]) + '：' + reasons[i] + '。');
  }
  return sentences;
}

// The chart: one labelled bar per coefficient, on a canvas of the given size.
function drawMatchChart(canvas, title, coefficients) {
  var g = canvas.getContext('2d');
  var w = canvas.width, h = canvas.height;
  g.fillStyle = '#fffaf3';
  g.fillRect(0, 0, w, h);
  g.strokeStyle = '#c9a27e';
  g.strokeRect(0.5, 0.5, w - 1, h - 1);
  var font = '"Noto Sans CJK SC", "Noto Serif CJK SC", sans-serif';
  g.fillStyle = '#8a2a22';
  g.font = 'bold 14px ' + font;
  g.textAlign = 'center';
  g.textBaseline = 'top';
  g.fillText(title, w / 2, 6);
  var top = 30, bottom = h - 24, left = 30, right = w - 10;
  g.font = '10px ' + font;
  g.textAlign = 'right';
  g.textBaseline = 'middle';
  for (var v = 0; v <= 100; v += 25) {
    var y = bottom - (bottom - top) * v / 100;
    g.strokeStyle = v === 0 ? '#8a6a4a' : '#eadfce';
    g.beginPath();
    g.moveTo(left, Math.round(y) + 0.5);
    g.lineTo(right, Math.round(y) + 0.5);
    g.stroke();
    g.fillStyle = '#8a6a4a';
    g.fillText(String(v), left - 4, y);
  }
  var slot = (right - left) / coefficients.length;
  var colours = ['#d9534f', '#e8883a', '#c94f8a', '#d46a6a', '#4f9a6a', '#c9a227'];
  for (var i = 0; i < coefficients.length; i++) {
    var value = coefficients[i];
    var x = left + slot * i + slot * 0.2;
    var barHeight = (bottom - top) * value / 100;
    g.fillStyle = colours[i];
    g.fillRect(x, bottom - barHeight, slot * 0.6, barHeight);
    g.fillStyle = '#4a1a1a';
    g.textAlign = 'center';
    g.textBaseline = 'bottom';
    g.font = 'bold 11px ' + font;
    g.fillText(String(value), x + slot * 0.3, bottom - barHeight - 2);
    g.textBaseline = 'top';
    g.font = '12px ' + font;
    g.fillText(HUNPEI_NAMES[i], x + slot * 0.3, bottom + 4);
  }
}

// The chart and the text below it, made once where the applet stands.
function hunpeiResultArea() {
  var canvas = document.getElementById('hunpei_chart');
  if (canvas) return { canvas: canvas, text: document.getElementById('hunpei_text') };
  var applet = document.getElementsByTagName('applet')[0];
  canvas = document.createElement('canvas');
  canvas.id = 'hunpei_chart';
  canvas.width = applet ? Number(applet.getAttribute('width')) || 422 : 422;
  canvas.height = applet ? Number(applet.getAttribute('height')) || 239 : 239;
  canvas.style.display = 'block';
  var text = document.createElement('div');
  text.id = 'hunpei_text';
  text.style.fontSize = '13px';
  text.style.lineHeight = '1.6';
  text.style.width = canvas.width + 'px';
  var parent = applet ? applet.parentNode : document.body;
  parent.insertBefore(canvas, applet || null);
  parent.insertBefore(text, applet || null);
  return { canvas: canvas, text: text };
}

function hunpeiToday() {
  var now = new Date();
  return { year: now.getFullYear(), month: now.getMonth() + 1, day: now.getDate() };
}

// The button: checks the form, computes and draws, or tells what is wrong.
function onClick_hunpei(form) {
  var area = hunpeiResultArea();
  var value = function (name) { return form[name] ? form[name].value : ''; };
  var today = hunpeiToday();
  var fault = checkPartner('男方', value('mname'), value('myear'), value('mmonth'), value('mday'), today) ||
              checkPartner('女方', value('fname'), value('fyear'), value('fmonth'), value('fday'), today);
  area.text.innerHTML = '';
  if (fault) {
    area.canvas.style.display = 'none';
    area.canvas.removeAttribute('data-coefficients');
    area.text.style.color = '#c0392b';
    area.text.textContent = fault;
    return false;
  }
  var date = function (prefix) {
    return { year: Number(value(prefix + 'year')), month: Number(value(prefix + 'month')),
             day: Number(value(prefix + 'day')) };
  };
  var man = date('m'), woman = date('f');
  if (form.male) form.male.value = man.year + '-' + man.month + '-' + man.day;
  if (form.female) form.female.value = woman.year + '-' + woman.month + '-' + woman.day;
  var result = matchCoefficients(man, woman);
  var trim = function (s) { return String(s).replace(/^\s+|\s+$/g, ''); };
  area.canvas.style.display = 'block';
  area.canvas.setAttribute('data-coefficients', result.coefficients.join(','));
  drawMatchChart(area.canvas, trim(value('mname')) + ' 与 ' + trim(value('fname')) + ' 的姻缘指数',
                 result.coefficients);
  area.text.style.color = '#4a1a1a';
  var sentences = matchSentences(result);
  for (var i = 0; i < sentences.length; i++) {
    var line = document.createElement('div');
    line.textContent = sentences[i];
    area.text.appendChild(line);
  }
  return false;
}

if (typeof module !== 'undefined' && module.exports) {
  module.exports = {
    lunarYearOf: lunarYearOf, yearFacts: yearFacts, starSignOf: starSignOf, branchRelations: branchRelations,
    zodiacScore: zodiacScore, elementRelation: elementRelation, signScore: signScore, ageScore: ageScore,
    matchCoefficients: matchCoefficients, checkPartner: checkPartner, matchSentences: matchSentences
  };
}
