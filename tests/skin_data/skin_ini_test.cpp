#include "skin/data/skin_ini.h"

#include <gtest/gtest.h>

namespace lq {
namespace {

SkinIni Ini(const std::string& text) {
  return SkinIni::FromText(text);
}

TEST(SkinIniGrammar, LinesSectionsCommentsAndCaseRules) {
  SkinIni ini =
      Ini("orphan=before any section\r\n"
          "  [ Button ]  \r\n"
          "\tFontName = Arial Black \r"
          "; fontheight=99\n"
          "no equals sign here\n"
          "fontheight=12\n"
          "fontheight=13\n"
          "[other]\n"
          "key=value=with=equals");
  EXPECT_EQ(ini.Find("", "orphan"), nullptr);
  ASSERT_NE(ini.Find("BUTTON", "fontname"), nullptr);
  EXPECT_EQ(*ini.Find("button", "FONTNAME"), "Arial Black");
  EXPECT_EQ(*ini.Find("button", "fontheight"), "12");  // the first key of a name wins
  EXPECT_EQ(ini.Find("button", "no equals sign here"), nullptr);
  EXPECT_EQ(*ini.Find("other", "key"), "value=with=equals");
  EXPECT_EQ(ini.Find("missing", "key"), nullptr);
}

TEST(SkinIniGrammar, SplitLinesAcceptsEveryLineBreakAndKeepsALastLineWithoutOne) {
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitLines("").empty());
}

TEST(SkinIniGrammar, FirstOfDuplicateSectionsWins) {
  SkinIni ini = Ini("[s]\na=1\n[S]\na=2\nb=3\n");
  EXPECT_EQ(*ini.Find("s", "a"), "1");
  EXPECT_EQ(ini.Find("s", "b"), nullptr);
}

TEST(SkinIniWriter, EraseAndWriteThenReadBack) {
  SkinIni ini = Ini("[a]\nx=1\n[b]\ny=2\n");
  ini.EraseSection("A");
  ini.WriteString("b", "Y", "5");
  ini.WriteString("c", "z", "a b");
  SkinIni back = Ini(ini.ToText());
  EXPECT_FALSE(back.HasSection("a"));
  EXPECT_EQ(*back.Find("b", "y"), "5");
  EXPECT_EQ(*back.Find("c", "z"), "a b");
  EXPECT_EQ(ini.ToText(), "[b]\r\ny=5\r\n\r\n[c]\r\nz=a b\r\n");
}

TEST(SkinIniValues, IntegersInDecimalDollarAndZeroXForms) {
  SkinIni ini =
      Ini("[s]\nd=-42\nplus=+7\nhex=0x1F\nHEX=0XfF\ndollar=$10\nneg=-$10\nshort=0x\n"
          "word=twelve\nbig=2147483648\nmin=-2147483648\nsys=0xFF00000F\ntoolong=0x1FFFFFFFF\n");
  EXPECT_EQ(ReadSkinInteger(ini, "s", "d", 0), -42);
  EXPECT_EQ(ReadSkinInteger(ini, "s", "plus", 0), 7);
  EXPECT_EQ(ReadSkinInteger(ini, "s", "hex", 0), 31);
  EXPECT_EQ(ReadSkinInteger(ini, "s", "dollar", 0), 16);
  EXPECT_EQ(ReadSkinInteger(ini, "s", "neg", 0), -16);
  EXPECT_EQ(ReadSkinInteger(ini, "s", "short", 9), 9);  // "0x" alone is not hexadecimal
  EXPECT_EQ(ReadSkinInteger(ini, "s", "word", 9), 9);
  EXPECT_EQ(ReadSkinInteger(ini, "s", "big", 9), 9);
  EXPECT_EQ(ReadSkinInteger(ini, "s", "min", 9), -2147483647 - 1);
  EXPECT_EQ(ReadSkinInteger(ini, "s", "toolong", 9), 9);
  EXPECT_EQ(ReadSkinInteger(ini, "s", "absent", -1), -1);
  EXPECT_EQ(ReadSkinColor(ini, "s", "sys", 0), 0xFF00000Fu);
  EXPECT_EQ(ReadSkinColor(ini, "s", "word", 0xFF000005u), 0xFF000005u);
}

TEST(SkinIniValues, FlagIsTrueOnlyForExactlyOne) {
  SkinIni ini = Ini("[s]\none=1\ntwo=2\nminus=-1\nzero=0\ntext=yes\nhexone=0x01\n");
  EXPECT_TRUE(ReadSkinBool(ini, "s", "one"));
  EXPECT_TRUE(ReadSkinBool(ini, "s", "hexone"));
  for (const char* key : {"two", "minus", "zero", "text", "absent"})
    EXPECT_FALSE(ReadSkinBool(ini, "s", key)) << key;
}

TEST(SkinIniValues, RectsAndPointsDropEverythingButDigitsAndCommas) {
  SkinIni ini =
      Ini("[s]\nblanks= 1 , 2 ,3 , 4\nminus=-5,6,7,8\nextra=1,2,3,4,5,,\nhex=0x10,2,3,4\n"
          "pt=-3 , 9\n");
  EXPECT_EQ(ReadSkinRect(ini, "s", "blanks"), (Rect{1, 2, 3, 4}));
  EXPECT_EQ(ReadSkinRect(ini, "s", "minus"), (Rect{5, 6, 7, 8}));
  EXPECT_EQ(ReadSkinRect(ini, "s", "extra"), (Rect{1, 2, 3, 4}));
  EXPECT_EQ(ReadSkinRect(ini, "s", "hex"), (Rect{10, 2, 3, 4}));  // "x" is dropped: 0 then 10
  EXPECT_EQ(ReadSkinRect(ini, "s", "absent"), (Rect{}));
  EXPECT_EQ(ReadSkinPoint(ini, "s", "pt"), (Point{3, 9}));
  EXPECT_EQ(ReadSkinPoint(ini, "s", "absent"), (Point{}));
}

TEST(SkinIniValues, MalformedRectsAndPointsAbortWithTheKeyNamed) {
  SkinIni ini =
      Ini("[s]\ndouble=1,,3,4\nthree=1,2,3\nempty=\nletters=a,b,c,d\nhuge=1,2,3,99999999999\n"
          "onept=5\n");
  for (const char* key : {"double", "three", "empty", "letters", "huge"}) {
    try {
      ReadSkinRect(ini, "s", key);
      ADD_FAILURE() << key << " was accepted";
    } catch (const SkinFormatError& e) {
      EXPECT_NE(std::string(e.what()).find(std::string("[s] ") + key), std::string::npos)
          << e.what();
    }
  }
  EXPECT_THROW(ReadSkinPoint(ini, "s", "onept"), SkinFormatError);
  EXPECT_THROW(ReadSkinPoint(ini, "s", "empty"), SkinFormatError);
}

TEST(SkinIniValues, FontStyleWordsAnywhereCaseSensitive) {
  SkinIni ini =
      Ini("[s]\ncomma=fsitalic,fsbold\nblank=fsitalic fsbold\ncaps=FSBOLD\n"
          "all=[fsstrikeout;fsunderline;fsbold;fsitalic]\njunk=bold\n");
  EXPECT_EQ(ReadFontStyle(ini, "s", "comma"), fsBold | fsItalic);
  EXPECT_EQ(ReadFontStyle(ini, "s", "blank"), fsBold | fsItalic);
  EXPECT_EQ(ReadFontStyle(ini, "s", "caps"), 0u);
  EXPECT_EQ(ReadFontStyle(ini, "s", "all"), fsBold | fsItalic | fsUnderline | fsStrikeOut);
  EXPECT_EQ(ReadFontStyle(ini, "s", "junk"), 0u);
  EXPECT_EQ(FontStyleText(fsStrikeOut | fsBold), "fsbold,fsstrikeout");
}

TEST(SkinIniValues, EnumerationWordsAndTheirFallBacks) {
  SkinIni ini = Ini(
      "[s]\ncenter=tacenter\nleft=taleftjustify\nright=tarightjustify\nodd=tamiddle\n"
      "push=mkpush\nbadmorph=mkwhatever\nfull=stfull\nvert=stvert\nhorz=sthorz\nbadst=diagonal\n"
      "invert=ieinvert\nbadie=iesepia\nclose=cmclose\nrollup=cmrollup\ntray=cmminimizetotray\n"
      "badcm=cmexplode\nupper=TACENTER\n");
  EXPECT_EQ(ReadAlignment(ini, "s", "center"), TextAlignment::Center);
  EXPECT_EQ(ReadAlignment(ini, "s", "left"), TextAlignment::Left);
  EXPECT_EQ(ReadAlignment(ini, "s", "right"), TextAlignment::Right);
  EXPECT_EQ(ReadAlignment(ini, "s", "odd"), TextAlignment::Right);
  EXPECT_EQ(ReadAlignment(ini, "s", "upper"), TextAlignment::Right);  // words are compared exactly
  EXPECT_EQ(ReadAlignment(ini, "s", "absent"), TextAlignment::Center);
  EXPECT_EQ(ReadMorphKind(ini, "s", "push"), MorphKind::Push);
  EXPECT_EQ(ReadMorphKind(ini, "s", "badmorph"), MorphKind::Fade);
  EXPECT_EQ(ReadStretchType(ini, "s", "full"), StretchType::Full);
  EXPECT_EQ(ReadStretchType(ini, "s", "vert"), StretchType::Vertical);
  EXPECT_EQ(ReadStretchType(ini, "s", "horz"), StretchType::Horizontal);
  EXPECT_EQ(ReadStretchType(ini, "s", "badst"), StretchType::Horizontal);
  EXPECT_EQ(ReadStretchType(ini, "s", "absent"), StretchType::Full);
  EXPECT_EQ(ReadInactiveEffect(ini, "s", "invert"), InactiveEffect::Invert);
  EXPECT_EQ(ReadInactiveEffect(ini, "s", "badie"), InactiveEffect::Grayscale);
  EXPECT_EQ(ReadInactiveEffect(ini, "s", "absent"), InactiveEffect::Brightness);
  EXPECT_EQ(ReadCommand(ini, "s", "close"), FrameCommand::Close);
  EXPECT_EQ(ReadCommand(ini, "s", "rollup"), FrameCommand::RollUp);
  EXPECT_EQ(ReadCommand(ini, "s", "tray"), FrameCommand::MinimizeToTray);
  EXPECT_EQ(ReadCommand(ini, "s", "badcm"), FrameCommand::MinimizeToTray);
  EXPECT_EQ(ReadCommand(ini, "s", "absent"), FrameCommand::Default);
}

TEST(SkinIniValues, ListsHaveTheirCountWithBlanksForMissingIndices) {
  SkinIni ini =
      Ini("[p]\nactivepicturescount=3\n0=a.bmp\n2=c.bmp\n[q]\nactivepicturescount=three\n"
          "[r]\nactivepicturescount=-2\n[huge]\nactivepicturescount=2000000000\n");
  EXPECT_EQ(ReadIniList(ini, "p", "activepictures"),
            (std::vector<std::string>{"a.bmp", "", "c.bmp"}));
  EXPECT_TRUE(ReadIniList(ini, "q", "activepictures").empty());
  EXPECT_TRUE(ReadIniList(ini, "r", "activepictures").empty());
  EXPECT_TRUE(ReadIniList(ini, "absent", "activepictures").empty());
  EXPECT_THROW(ReadIniList(ini, "huge", "activepictures"), SkinFormatError);
}

TEST(SkinIniValues, WrittenTextsReadBackToTheSameValues) {
  SkinIni ini;
  ini.WriteString("s", "r", SkinRectText({1, 2, 30, 40}));
  ini.WriteString("s", "p", SkinPointText({7, 8}));
  ini.WriteString("s", "a", AlignmentText(TextAlignment::Left));
  ini.WriteString("s", "m", MorphKindText(MorphKind::RightSlide));
  ini.WriteString("s", "t", StretchTypeText(StretchType::Vertical));
  ini.WriteString("s", "e", InactiveEffectText(InactiveEffect::Noise));
  ini.WriteString("s", "c", CommandText(FrameCommand::MinimizeToTray));
  EXPECT_EQ(ReadSkinRect(ini, "s", "r"), (Rect{1, 2, 30, 40}));
  EXPECT_EQ(ReadSkinPoint(ini, "s", "p"), (Point{7, 8}));
  EXPECT_EQ(ReadAlignment(ini, "s", "a"), TextAlignment::Left);
  EXPECT_EQ(ReadMorphKind(ini, "s", "m"), MorphKind::RightSlide);
  EXPECT_EQ(ReadStretchType(ini, "s", "t"), StretchType::Vertical);
  EXPECT_EQ(ReadInactiveEffect(ini, "s", "e"), InactiveEffect::Noise);
  EXPECT_EQ(ReadCommand(ini, "s", "c"), FrameCommand::MinimizeToTray);
}

}  // namespace
}  // namespace lq
