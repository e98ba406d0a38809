// Cross-checks every day of a generated SanBirth.dll against lunar-javascript,
// field by field. Reads the rows of huangdao as tab-separated text:
//   sqlite3 -separator "$(printf '\t')" build/x/bin/SanBirth.dll \
//     'SELECT * FROM huangdao ORDER BY gn' | node verify.js
// Prints each disagreement and a count per field; exits 1 if there is any.
'use strict';
const { Solar } = require('lunar-javascript');
const readline = require('readline');

const weekdays = '日一二三四五六';
const counts = {};
let rows = 0;

function expected(gn) {
  const [y, m, d] = gn.split('-').map(Number);
  const solar = Solar.fromYmd(y, m, d);
  const lunar = solar.getLunar();
  const clean = (items) => [...new Set(items.map((s) => s.replace('馀', '余')))].join(' ');
  const luck = lunar.getDayTianShenType() === '黄道' ? '(黄道)' : '(黑道)';
  // The 子 hour of the day itself: the first of the library's thirteen hours.
  const hours = lunar.getTimes().slice(0, 12)
    .filter((t) => t.getTianShenLuck() === '吉')
    .map((t) => t.getGanZhi() + '时').join(' ');
  return {
    nn: '农历' + lunar.getMonthInChinese() + '月' + lunar.getDayInChinese() + ' 星期' +
        weekdays[solar.getWeek()] + ' ' + lunar.getDayTianShen() + luck,
    suici: lunar.getYearInGanZhi() + '年 ' + lunar.getMonthInGanZhi() + '月 ' +
           lunar.getDayInGanZhi() + '日',
    tszf: lunar.getDayPositionTai().replace(/ /g, ''),
    wuhang: lunar.getDayNaYin() + ' ' + lunar.getZhiXing() + '执位',
    cong: lunar.getDayChongShengXiao() + '(' + lunar.getDayChongGan() + lunar.getDayChong() +
          ') 煞' + lunar.getDaySha(),
    pzbj: lunar.getPengZuGan() + ' ' + lunar.getPengZuZhi(),
    jsyq: clean(lunar.getDayJiShen()),
    yi: clean(lunar.getDayYi()),
    xsyq: clean(lunar.getDayXiongSha()),
    ji: clean(lunar.getDayJi()),
    jishi: hours,
  };
}

const names = ['gn', 'nn', 'suici', 'tszf', 'wuhang', 'cong', 'pzbj', 'jsyq', 'yi', 'xsyq', 'ji',
               'jishi'];
const input = readline.createInterface({ input: process.stdin });
input.on('line', (line) => {
  const fields = line.split('\t');
  ++rows;
  const want = expected(fields[0]);
  for (let i = 1; i < names.length; ++i) {
    const name = names[i];
    if (fields[i] !== want[name]) {
      counts[name] = (counts[name] || 0) + 1;
      if (counts[name] <= 5) {
        console.log(`${fields[0]} ${name}: stored "${fields[i]}", library "${want[name]}"`);
      }
    }
  }
});
input.on('close', () => {
  console.log(`${rows} rows; disagreements per field: ${JSON.stringify(counts)}`);
  process.exit(Object.keys(counts).length ? 1 : 0);
});
