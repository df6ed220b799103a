#!/usr/bin/env python3
"""Writes the seed corpus: data files as the program writes them (and as people damage them),
and settings-window entries as people type them, each with a clock."""
import hashlib
import pathlib
import struct

here = pathlib.Path(__file__).resolve().parent


def clock(year, month, day, hour, minute):
    # The fuzzers map the month field to 1..12 as (value % 12) + 1.
    return struct.pack('<iIiii', year, month - 1, day, hour, minute)


def save(target, data):
    folder = here / 'corpus' / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / hashlib.sha1(data).hexdigest()[:16]).write_bytes(data)


def sjis(text):
    return text.encode('cp932')


def options_line(setup=1, tax=12244, ctax=5, suffix=0, years=5, packs=1, left=0, top=0,
                 back=9241372, fore=16777215, blog='kemurina.example.jp/community/', mode=2,
                 mini_left=0, mini_top=0, theme='ソルジャー', end='\r\n'):
    fields = [setup, tax, ctax, suffix, years, packs, left, top, back, fore]
    head = ','.join(str(v) for v in fields)
    tail = ','.join(str(v) for v in (mode, mini_left, mini_top))
    return sjis(f'{head},"{blog}",{tail},"{theme}"{end}')


profiles = [
    b'2009,1,2,3,4,20,300,85\r\n',
    b'2008,2,29,23,59,1,2000,100\r\n',
    b'1900,12,31,0,0,200,1,50\r\n',
    b'2010,4,1,12,0,40,410,85\n',
    b'2010,4,1,12,0,40,410,85\r',
    b' 2010 , 4 , 1 , 12 , 0 , 40 , 410 , 85 \r\n',
    b'2010,13,1,12,0,40,410,85\r\n',
    b'2010,0,1,12,0,40,410,85\r\n',
    b'2011,2,29,12,0,20,300,85\r\n',
    b'2099,1,1,0,0,20,300,85\r\n',
    b'2147483647,12,31,23,59,2147483647,2147483647,2147483647\r\n',
    b'-2147483648,1,-2147483648,-2147483648,-2147483648,-1,-1,-1\r\n',
    b'2147483648,1,1,0,0,20,300,85\r\n',
    b'2009,1,2,3,4,20,300\r\n',
    b'2009,1,2,3,4,20,300,85,1\r\n',
    b'',
    b'\r\n',
    b'2009,1,2,3\x004,20,300,85\r\n',
    b'abc,1,2,3,4,20,300,85\r\n',
]
options = [
    options_line(setup=0),
    options_line(),
    options_line(theme='日本旅行', suffix=1, mode=1, left=-120, top=-15),
    options_line(theme='コスモ', suffix=2, years=40, back=-1, fore=-16777216),
    options_line(theme='会社モード', packs=0, blog='例え.example.jp/掲示板?a=1,b=2'),
    options_line(theme='知らないテーマ', suffix=7, mode=0),
    options_line(end='\n'),
    options_line(end='\r'),
    options_line(ctax=-100),
    options_line(tax=2147483647, ctax=2147483647, years=-2147483648),
    options_line()[:-20],
    options_line() + options_line(),
    b'0,12244,5,0,5,1,0,0,9241372,16777215,"kemurina.example.jp/community/",2,0,0\r\n',
    b'0,12244,5,0,5,1,0,0,9241372,16777215,"unterminated,2,0,0,"x"\r\n',
    b'0,12244,5,0,5,1,0,0,9241372,16777215,"\x81\x7f",2,0,0,"\x82"\r\n',
    b'\xef\xbb\xbf' + options_line(),
]

moments = [
    clock(2010, 10, 1, 12, 0),
    clock(2026, 12, 24, 23, 59),
    clock(2009, 1, 2, 3, 4),
    clock(2000, 2, 29, 0, 0),
    clock(2079, 11, 30, 23, 59),
    clock(1999, 12, 31, 23, 59),
    clock(-2147483648, 1, -5, 99, -1),
    clock(2147483647, 12, 2147483647, 2147483647, 2147483647),
]

for i, profile in enumerate(profiles):
    for j, opts in enumerate(options):
        if (i + j) % 3:
            continue
        now = moments[(i * 7 + j) % len(moments)]
        draw = bytes([(i * 31 + j * 17) % 100])
        save('data_files_fuzzer', now + draw + struct.pack('<H', len(profile)) + profile + opts)

entries = [
    ['2009', '1', '2', '3', '4', '20', '300', '12244', '5', '5', 'kemurina.example.jp/community/',
     'ソルジャー'],
    ['2008', '2', '29', '23', '59', '200', '2000', '100000', '100', '99', 'example.jp/', 'コスモ'],
    ['1900', '2', '29', '0', '0', '1', '1', '0', '0', '1', '', '会社モード'],
    ['2010', '4', '31', '', '', '20', '300', '12244.5', '5.5', '10', '  blog.example.jp  ',
     '日本旅行'],
    ['２００９', '1', '1', '0', '0', '20', '300', 'abc', '', '0', '掲示板.jp/"quoted"', 'テーマ'],
    [' 2009x', '-1.5', '1e3', '24', '60', '201', '2001', '-1', '101', '100', 'a\tb\x7fc', '😀'],
    ['99999999999', '12', '31', '23', '59', '+20', ' 300 ', '2147483648', '-0.5', '2.9', 'x', ''],
    ['2026', '12', '6', '9', '15', '20', '300', '12244', '5', '5', 'now.example.jp', 'ソルジャー'],
]
for i, entry in enumerate(entries):
    now = moments[1] if i != 7 else clock(2026, 12, 6, 9, 15)
    save('settings_input_fuzzer', now + '\n'.join(entry).encode('utf-8', 'surrogatepass'))

cravings = [
    sjis('2010,11,2,7,0,3,5,1,"朝いちばん"\r\n'),
    sjis('2010,11,30,23,59,5,1,0,"飲み会で, つい"\r\n2010,12,1,0,0,1,8,1,""\r\n'),
    sjis('2010,12,1,12,0,2,2,1,"”コーヒー”"\n2010,12,1,12,0,2,2,1,"x"'),
    b'2010,11,2,7,0,0,5,1,""\r\n2010,11,2,7,0,3,9,1,""\r\n2010,11,2,7,0,3,5,2,""\r\n',
    b'2010,2,30,7,0,3,5,1,""\r\n2010,11,2,24,0,3,5,1,""\r\n2010,11,2,7,0,3,5,1\r\n',
    b'2010,11,2,7,0,3,5,1,"a"b"\r\n2010,11,2,7,0,3,5,1,"a\rb"\r\n\x82\xa0\xff\r\n',
    b' 2010 , 11 , 2 , 7 , 0 , 3 , 5 , 1 , "a" \r\n\r\n\n2010,11,2,7,0,3,5,1,plain\r\n',
    b'2147483647,12,31,23,59,5,8,1,""\r\n-2147483648,1,1,0,0,1,0,0,""\r\n',
]
quits = [clock(2010, 11, 1, 0, 0), clock(2010, 11, 30, 23, 59), clock(2147483647, 12, 31, 23, 59)]
for i, log in enumerate(cravings):
    save('cravings_fuzzer', moments[i % 2] + quits[i % len(quits)] + log)
    save('cravings_fuzzer', clock(2010, 12, 1, 0, 30) + quits[(i + 1) % len(quits)] + log)
