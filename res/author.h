/* Who made the program: the one place a packager changes these texts.
   Narrow UTF-8 strings, read by the resource compiler (with code page 65001)
   and by C++, where an L"" prefix next to them makes them wide. */
#ifndef TARVEX_AUTHOR_H
#define TARVEX_AUTHOR_H

#define TARVEX_AUTHOR_NAME "墨页"
/* Shown in the about box; the mail link's target is "mailto:" and exactly this. */
#define TARVEX_AUTHOR_MAIL "tarvex@example.org"
#define TARVEX_HOME_TITLE "塔维斯主页"
#define TARVEX_HOME_URL "https://tarvex.example.org/"
#define TARVEX_TERMS "本程序可免费使用，欢迎复制转发，但请保持程序完整、勿作修改。"

#endif
