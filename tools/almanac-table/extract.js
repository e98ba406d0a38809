// Writes data/almanac-table.txt: the mainstream almanac's 宜, 忌, 吉神 and 凶神
// for every month branch (the month starting on its 节 day) and day 干支,
// 12 x 60 = 720 lines, taken from lunar-javascript (MIT).
//
// Run once by hand; the build never runs it:
//   cd tools/almanac-table && npm ci && node extract.js > ../../data/almanac-table.txt
'use strict';
const { LunarUtil } = require('lunar-javascript');
const version = require('lunar-javascript/package.json').version;

const stems = '甲乙丙丁戊己庚辛壬癸';
const branches = '子丑寅卯辰巳午未申酉戌亥';
// Months in almanac order: 正月 is the 寅 month.
const monthBranches = [2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1];

function ganZhi(index) {
  return stems[index % 10] + branches[index % 12];
}

// The library writes the traditional 馀 where the almanac prints 余, and once
// lists a spirit twice (除神 on 酉-month 癸酉 days): each name is kept once.
function clean(items) {
  return [...new Set(items.map((s) => s.replace('馀', '余')))].join(' ');
}

function fail(message) {
  process.stderr.write(message + '\n');
  process.exit(1);
}

const lines = [];
lines.push('# 宜忌与神煞: the almanac table keyed by month branch and day 干支 (12 x 60 = 720 lines).');
lines.push(`# Source: lunar-javascript ${version} by 6tail (https://github.com/6tail/lunar-javascript),`);
lines.push('#   MIT licence, Copyright (c) 2018 6tail; facts as mainstream almanacs print them.');
lines.push('# Regenerate: cd tools/almanac-table && npm ci && node extract.js > ../../data/almanac-table.txt');
lines.push('# Format: month branch, day 干支, then four fields separated by " | ":');
lines.push('#   宜 | 忌 | 吉神 | 凶神, items separated by single blanks in printed order; 无 when empty.');
lines.push('# The month is the solar month: it begins on the day of its 节 (寅 = 立春 to 惊蛰).');

for (const mb of monthBranches) {
  for (let day = 0; day < 60; ++day) {
    const dayGz = ganZhi(day);
    // The table must not depend on the month's stem: check all five months
    // of this branch give the same lists.
    let yiji = null;
    for (let m = 0; m < 60; ++m) {
      if (m % 12 !== mb) continue;
      const monthGz = ganZhi(m);
      const entry = clean(LunarUtil.getDayYi(monthGz, dayGz)) + ' | ' +
                    clean(LunarUtil.getDayJi(monthGz, dayGz));
      if (yiji !== null && yiji !== entry) fail(`month stem matters for ${monthGz} ${dayGz}`);
      yiji = entry;
    }
    const shen = clean(LunarUtil.getDayJiShen(mb, dayGz));
    const sha = clean(LunarUtil.getDayXiongSha(mb, dayGz));
    lines.push(`${branches[mb]} ${dayGz} | ${yiji} | ${shen} | ${sha}`);
  }
}
process.stdout.write(lines.join('\n') + '\n');
