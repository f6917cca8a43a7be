// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "cli_test_support.h"

namespace fluvenna {
namespace {

using Action = ParsedCommandLine::Action;

using testing::Parse;

TEST(CommandLine, DefaultsAreTheWindowsPass) {
  const RenderOptions o = testing::Options({});
  EXPECT_EQ(o.texts.kMax, ParameterTexts{}.kMax);
  EXPECT_TRUE(o.tablePath.empty());  // no file named: the usual folders are searched
  EXPECT_EQ(o.size, (PictureSize{396, 263}));
  EXPECT_TRUE(o.pngPrefix.empty() && o.svgPrefix.empty() && o.csvPath.empty());
  EXPECT_FALSE(o.json);
}

TEST(CommandLine, ParameterTextsReachThePassAsTyped) {
  // The leading-number rule is the pass's business: the texts are not read here.
  const RenderOptions o = testing::Options(
      {"--delta", "0.10",  "--gamma", "5e-2",    "--alpha=-5", "--kutta", "0,5", "--dpsi",
       ".05",     "--nsl", "6x",      "--scale", "1.5",        "--dr",    "abc", "--size",
       "792x526", "--csv", "-",       "--png",   "p",          "--svg",   "s",   "--json"});
  EXPECT_EQ(o.texts.DELTA, "0.10");
  EXPECT_EQ(o.texts.GAMA, "5e-2");
  EXPECT_EQ(o.texts.Alfa, "-5");
  EXPECT_EQ(o.texts.iKutta, "0,5");
  EXPECT_EQ(o.texts.dPsi, ".05");
  EXPECT_EQ(o.texts.kMax, "6x");
  EXPECT_EQ(o.texts.Olcek, "1.5");
  EXPECT_EQ(o.texts.dR, "abc");
  EXPECT_EQ(o.size, (PictureSize{792, 526}));
  EXPECT_EQ(o.csvPath, "-");
  EXPECT_EQ(o.pngPrefix, "p");
  EXPECT_EQ(o.svgPrefix, "s");
  EXPECT_TRUE(o.json);
}

TEST(CommandLine, RefusesWhatItCannotDoInOneLine) {
  const QStringList cases[] = {{"--bogus"},
                               {"out.png"},
                               {"--alpha"},
                               {"--size", "395x263"},
                               {"--size", "800"},
                               {"--size", "9000x600"},
                               {"--size", "-400x300"},
                               {"--png", ""},
                               {"--table", ""},
                               // Arguments quoted in the message keep it on one line.
                               {"--bo\ngus"},
                               {"--probe", "circle:1\n;2"},
                               {"--size", "400x300\n"},
                               {"--size", "400\nx300"},
                               {"--field", QStringLiteral("c\rp\u2028\u0085")},
                               {"--frames", "f", "--seconds", "1\n2"}};
  for (const QStringList& arguments : cases) {
    const ParsedCommandLine parsed = Parse(arguments);
    EXPECT_EQ(parsed.action, Action::kUsageError) << arguments.join(' ').toStdString();
    EXPECT_FALSE(parsed.text.empty());
    for (const QChar c : QString::fromStdString(parsed.text)) {
      EXPECT_NE(c.category(), QChar::Other_Control) << parsed.text;
      EXPECT_NE(c.category(), QChar::Separator_Line) << parsed.text;
      EXPECT_NE(c.category(), QChar::Separator_Paragraph) << parsed.text;
    }
  }
}

// A picture side from the window's drawing area up to 8192 pixels; one pixel
// beyond either end is refused, whichever side it is.
TEST(CommandLine, PictureSidesFromTheWindowsAreaUpTo8192) {
  const struct {
    const char* size;
    PictureSize accepted;  // 0 x 0: refused
  } cases[] = {{"396x263", {396, 263}},
               {"8192x8192", {8192, 8192}},
               {"8192x263", {8192, 263}},
               {"396x8192", {396, 8192}},
               {"8193x263", {}},
               {"396x8193", {}},
               {"8193x8193", {}},
               {"395x8192", {}},
               {"8192x262", {}},
               {"0008192x300", {}},
               {"4096x", {}},
               {"x300", {}},
               {"500X300", {}},
               {" 500x300", {}}};
  for (const auto& c : cases) {
    const ParsedCommandLine parsed = Parse({"--size", c.size});
    if (c.accepted.width == 0) {
      EXPECT_EQ(parsed.action, Action::kUsageError) << c.size;
      EXPECT_NE(parsed.text.find("8192x8192"), std::string::npos) << parsed.text;
    } else {
      ASSERT_EQ(parsed.action, Action::kRun) << c.size << ": " << parsed.text;
      EXPECT_EQ(parsed.options.size, c.accepted) << c.size;
    }
  }
}

// Standard output takes one of the outputs that can go there: each alone is
// accepted, every two together are refused.
TEST(CommandLine, OneOutputAtMostGoesToStandardOutput) {
  const QStringList outputs[] = {{"--csv", "-"},        {"--cp", "-"},
                                 {"--lift-curve", "-"}, {"--field-csv", "-"},
                                 {"--times", "-"},      {"--probe", "airfoil:0,1"}};
  for (const QStringList& one : outputs) {
    EXPECT_EQ(Parse(one).action, Action::kRun) << one.join(' ').toStdString();
    for (const QStringList& other : outputs) {
      if (&other == &one) continue;
      const ParsedCommandLine both = Parse(one + other);
      EXPECT_EQ(both.action, Action::kUsageError) << (one + other).join(' ').toStdString();
    }
  }
}

TEST(CommandLine, HelpListsTheOptionsAndVersionNamesTheRelease) {
  const ParsedCommandLine help = Parse({"--help"});
  ASSERT_EQ(help.action, Action::kHelp);
  for (const char* option :
       {"--delta", "--gamma", "--alpha", "--kutta", "--dpsi", "--nsl", "--scale", "--dr", "--table",
        "--png", "--svg", "--size", "--csv", "--json"}) {
    EXPECT_NE(help.text.find(option), std::string::npos) << option;
  }
  const ParsedCommandLine version = Parse({"--version"});
  ASSERT_EQ(version.action, Action::kVersion);
  EXPECT_EQ(version.text, "fluvenna-render " FLUVENNA_VERSION
                          "\nCopyright 2026 Fluvenna developers\n"
                          "Licence: GPL-3.0-or-later (GNU General Public License, version 3 or "
                          "any later version)\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n");
}

// The forms of a command line: values after "=" or as the next argument
// (whatever that looks like), the last value of an option given twice,
// short options run together, "--" before arguments that are not options;
// and the refusals of a form that is wrong, in the renderer's own words.
TEST(CommandLine, OptionFormsAndTheirRefusals) {
  EXPECT_EQ(testing::Options({"--png=a", "--svg", "b"}).pngPrefix, "a");
  EXPECT_EQ(testing::Options({"--png=a", "--svg", "b"}).svgPrefix, "b");
  EXPECT_EQ(testing::Options({"--png", "--json"}).pngPrefix, "--json");
  EXPECT_FALSE(testing::Options({"--png", "--json"}).json);
  EXPECT_EQ(testing::Options({"--alpha", "1", "--alpha=2"}).texts.Alfa, "2");
  EXPECT_EQ(testing::Options({"--csv=a=b"}).csvPath, "a=b");
  // Numbers as C reads them, with white space around and a leading "+".
  const RenderOptions numbers = testing::Options(
      {"--re", " +3e6 ", "--frames", "f", "--fps", "+30", "--probe", "airfoil: +0.5 ,-0.25"});
  EXPECT_EQ(numbers.reynolds, 3e6);
  EXPECT_EQ(numbers.fps, 30);
  ASSERT_EQ(numbers.probes.size(), 1u);
  EXPECT_EQ(numbers.probes[0].x, 0.5);
  EXPECT_EQ(numbers.probes[0].y, -0.25);
  for (const char* fps : {"1e1", "30.0", "0x1e", "+-3", ""}) {
    EXPECT_EQ(Parse({"--frames", "f", "--fps", fps}).action, Action::kUsageError) << fps;
  }
  EXPECT_EQ(Parse({"-h"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"-?"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"-v"}).action, Action::kVersion);
  EXPECT_EQ(Parse({"-vh"}).action, Action::kHelp);

  const struct {
    QStringList arguments;
    const char* message;
  } refused[] = {
      {{"--bogus"}, "Unknown option 'bogus'."},
      {{"-x"}, "Unknown option 'x'."},
      {{"-hx"}, "Unknown option 'x'."},
      {{"--alpha"}, "Missing value after '--alpha'."},
      {{"--json=yes"}, "Unexpected value after '--json'."},
      {{"--png="}, "--png, --svg, --csv, --cp and --lift-curve need a file name"},
      {{"--", "--json"}, "unexpected argument '--json' (the options are listed by --help)"},
      {{"-"}, "unexpected argument '-' (the options are listed by --help)"},
  };
  for (const auto& c : refused) {
    const ParsedCommandLine parsed = Parse(c.arguments);
    EXPECT_EQ(parsed.action, Action::kUsageError) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(parsed.text, c.message);
  }
}

// The help as help2man reads it for the manual page: a usage line, then
// every option on a line of its own that starts "  -", with its value's
// name; no line wider than 79 columns.
TEST(CommandLine, HelpIsLaidOutForTheManualPage) {
  const std::string help = Parse({"--help"}).text;
  ASSERT_TRUE(help.starts_with("Usage: fluvenna-render [options]\n")) << help;
  ASSERT_NE(help.find("\nOptions:\n"), std::string::npos);
  std::istringstream lines(help);
  std::string line;
  int options = 0;
  while (std::getline(lines, line)) {
    EXPECT_LE(line.size(), 79u) << line;
    if (line.starts_with("  -")) ++options;
  }
  EXPECT_GE(options, 35);
  for (const char* option : {"  --png <prefix>", "  --size <WxH>", "  --probe <plane:x,y>",
                             "  -?, -h, --help", "  --wing <AR>", "  --json "}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace fluvenna
