// The marriage pages' script under node: the facts it reads from two
// birthdays, the six coefficients it computes from them, the sentences, and
// the checks of the form's entries.

'use strict';

const test = require('node:test');
const assert = require('node:assert');
const hunpei = require(process.argv[2] || '../../data/marriage/hunpei.js');

const date = (text) => {
  const [year, month, day] = text.split('-').map(Number);
  return { year, month, day };
};

test('the lunar year turns at the Spring Festival', () => {
  const cases = [
    ['2000-02-04', 1999],  // the day before the festival of 2000
    ['2000-02-05', 2000],
    ['1900-01-30', 1899],  // the first festival of the table
    ['1900-01-31', 1900],
    ['2023-01-21', 2022],  // New Year's Eve by the new moons
    ['2023-01-22', 2023],
    ['2100-02-08', 2099],  // the last festival of the table
    ['2100-02-09', 2100],
    ['2100-12-31', 2100],
  ];
  for (const [day, year] of cases) assert.strictEqual(hunpei.lunarYearOf(date(day)), year, day);
  assert.throws(() => hunpei.lunarYearOf(date('1899-12-31')), RangeError);
  assert.throws(() => hunpei.lunarYearOf(date('2101-01-01')), RangeError);
});

test('a birth year gives its cycle name, animal and 纳音', () => {
  const cases = [
    ['1984-03-10', '甲子', '鼠', '海中金', '金'],
    ['1990-05-01', '庚午', '马', '路旁土', '土'],
    ['2000-02-04', '己卯', '兔', '城头土', '土'],  // still the year of the hare
    ['2001-02-03', '辛巳', '蛇', '白蜡金', '金'],  // the festival of 2001 was on 24 January
    ['2023-01-22', '癸卯', '兔', '金箔金', '金'],
    ['1983-12-31', '癸亥', '猪', '大海水', '水'],  // the last year of a cycle
  ];
  for (const [day, yearName, animal, nayin, element] of cases) {
    const facts = hunpei.yearFacts(date(day));
    assert.deepStrictEqual([facts.yearName, facts.animal, facts.nayin, facts.element],
                           [yearName, animal, nayin, element], day);
  }
});

test('star signs change on the days the program uses', () => {
  const cases = [
    [1, 19, '摩羯座', '土'], [1, 20, '水瓶座', '风'], [2, 18, '水瓶座', '风'], [2, 19, '双鱼座', '水'],
    [3, 20, '双鱼座', '水'], [3, 21, '白羊座', '火'], [7, 22, '巨蟹座', '水'], [7, 23, '狮子座', '火'],
    [12, 21, '射手座', '火'], [12, 22, '摩羯座', '土'], [12, 31, '摩羯座', '土'],
  ];
  for (const [month, day, name, element] of cases) {
    assert.deepStrictEqual(hunpei.starSignOf(month, day), { name, element }, `${month}-${day}`);
  }
});

test('the animals score by their 合, 冲, 害 and 刑', () => {
  // branches: 子 0, 丑 1, 寅 2, 卯 3, 辰 4, 巳 5, 午 6, 未 7, 申 8, 酉 9, 戌 10, 亥 11
  const cases = [
    [0, 1, 90],   // 子丑 六合
    [0, 4, 85],   // 子辰 三合
    [0, 0, 70],   // the same animal
    [0, 2, 60],   // 子寅: nothing between them
    [0, 3, 40],   // 子卯 相刑
    [0, 7, 35],   // 子未 六害
    [0, 6, 25],   // 子午 六冲
    [5, 8, 70],   // 巳申: 六合 and 相刑
    [2, 5, 15],   // 寅巳: 六害 and 相刑
    [1, 7, 5],    // 丑未: 六冲 and 相刑
    [4, 4, 45],   // 辰辰 自刑
    [10, 7, 40],  // 戌未 相刑, either way round
    [7, 10, 40],
  ];
  for (const [a, b, score] of cases) {
    assert.strictEqual(hunpei.zodiacScore(hunpei.branchRelations(a, b)), score, `${a} ${b}`);
  }
});

test('elements, star signs and ages score as documented', () => {
  const relations = [
    ['木', '火', 'gives'], ['火', '木', 'given'], ['木', '土', 'overcomes'], ['土', '木', 'overcome'],
    ['金', '金', 'same'], ['水', '火', 'overcomes'], ['金', '水', 'gives'],
  ];
  for (const [man, woman, relation] of relations) {
    assert.strictEqual(hunpei.elementRelation(man, woman), relation, man + woman);
  }
  const signs = [
    ['火', '火', 80], ['火', '风', 90], ['风', '火', 90], ['土', '水', 90], ['土', '火', 60], ['风', '水', 60],
    ['火', '水', 40], ['土', '风', 40],
  ];
  for (const [a, b, score] of signs) assert.strictEqual(hunpei.signScore(a, b), score, a + b);
  const ages = [
    [0, 95], [6, 95], [8, 85], [30, 20],  // the man older
    [-2, 85], [-3, 85], [-5, 69], [-20, 20],  // the woman older
  ];
  for (const [gap, score] of ages) assert.strictEqual(hunpei.ageScore(gap), score, String(gap));
});

test('two birthdays give six coefficients from 0 to 100', () => {
  const cases = [
    // 子丑 六合, both 海中金, 双鱼 (water) and 双子 (air), 1.26 years: Z 90, N 75, S 60, A 95
    ['1984-03-10', '1985-06-15', [79, 88, 76, 74, 82, 77]],
    // 午子 六冲, 路旁土 overcomes 涧下水, 金牛 (earth) and 射手 (fire), 6.64 years: Z 25, N 45, S 60, A 91.8
    ['1990-05-01', '1996-12-20', [39, 53, 56, 44, 50, 42]],
  ];
  for (const [man, woman, coefficients] of cases) {
    assert.deepStrictEqual(hunpei.matchCoefficients(date(man), date(woman)).coefficients, coefficients, man + ' ' + woman);
  }
  // every pair of a spread of birthdays stays within 0..100
  const days = ['1900-01-31', '1950-07-04', '1988-02-29', '1999-12-31', '2000-02-04', '2012-08-08', '2100-12-31'];
  for (const man of days) {
    for (const woman of days) {
      for (const value of hunpei.matchCoefficients(date(man), date(woman)).coefficients) {
        assert.ok(Number.isInteger(value) && value >= 0 && value <= 100, `${man} ${woman} ${value}`);
      }
    }
  }
});

test('one sentence per coefficient names its level and its reasons', () => {
  const sentences = hunpei.matchSentences(hunpei.matchCoefficients(date('1984-03-10'), date('1985-06-15')));
  assert.deepStrictEqual(sentences, [
    '姻缘系数79，较高：男属鼠、女属牛，子丑六合；男命海中金，女命海中金，同属金，比和。',
    '成婚系数88，很高：男属鼠、女属牛，子丑六合；男长女1岁。',
    '性和谐系数76，较高：双鱼座与双子座分属水、风象；男长女1岁。',
    '感情系数74，较高：双鱼座与双子座分属水、风象；男属鼠、女属牛，子丑六合。',
    '健康系数82，较高：男命海中金，女命海中金，同属金，比和；男长女1岁。',
    '财运系数77，较高：男命海中金，女命海中金，同属金，比和；男属鼠、女属牛，子丑六合。',
  ]);
  const clash = hunpei.matchSentences(hunpei.matchCoefficients(date('1990-05-01'), date('1996-12-20')));
  assert.strictEqual(clash[0], '姻缘系数39，很低：男属马、女属鼠，午子六冲；男命路旁土，女命涧下水，土克水，男克女。');
  assert.strictEqual(clash[4], '健康系数50，偏低：男命路旁土，女命涧下水，土克水，男克女；男长女7岁。');
});

test('the form entries are checked with a message for the first fault', () => {
  const today = date('2026-12-09');
  const cases = [
    [['男方', '张伟', '1988', '7', '16'], null],
    [['女方', '李娜', '2005', '07', '08'], null],  // born after 2000
    [['女方', '李娜', '2000', '2', '29'], null],   // a leap day
    [['女方', '赵敏', '1990', '2', '30'], '女方的出生日期1990-2-30不存在。'],
    [['女方', '赵敏', '1900', '2', '29'], '女方的出生日期1900-2-29不存在。'],
    [['男方', '王强', '1990', '5', '0'], '男方的出生日期1990-5-0不存在。'],
    [['男方', '', '1990', '5', '1'], '请填写男方姓名。'],
    [['男方', '   ', '1990', '5', '1'], '请填写男方姓名。'],
    [['男方', '名'.repeat(41), '1990', '5', '1'], '男方姓名不能超过40个字。'],
    [['男方', '王强', '90', '5', '1'], '男方的出生年份请填四位数字（1900到2100）。'],  // two digits no longer do
    [['男方', '王强', '1899', '5', '1'], '男方的出生年份请填四位数字（1900到2100）。'],
    [['男方', '王强', '19a0', '5', '1'], '男方的出生年份请填四位数字（1900到2100）。'],
    [['男方', '王强', '1990', '13', '1'], '男方的出生月份请填1到12。'],
    [['男方', '王强', '1990', '', '1'], '男方的出生月份请填1到12。'],
    [['男方', '王强', '1990', '5', 'x'], '男方的出生日期1990-5-x不存在。'],
    [['女方', '李娜', '2027', '1', '1'], '女方的出生日期不能晚于今天。'],
  ];
  for (const [[who, name, year, month, day], message] of cases) {
    assert.strictEqual(hunpei.checkPartner(who, name, year, month, day, today), message, [name, year, month, day].join(' '));
  }
});
