// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exact words of the line under the plots and of the surface-pressure
// line: every kind of sentence, each with its one full stop.
#include "report/status_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "flow/circle_model.h"
#include "flow/profile_table.h"
#include "report/catalogue.h"
#include "report/note_forms.h"

namespace fluvenna {
namespace {

// A surface with a lift, its lowest Cp on the lower side and one note.
SurfacePressure LiftLowestCpAndANote() {
  SurfacePressure s;
  s.points.resize(3);
  s.CL = 0.5;
  s.CpMin = -1.25;
  s.CpMinXc = 0.25;
  s.CpMinSide = SurfaceSide::kLower;
  s.notes = {"2 surface point(s) with an unbounded speed left out"};
  return s;
}

TEST(StatusLine, EveryKindOfSentenceEndsWithOneFullStop) {
  PassResult drawn;
  drawn.params.U0 = 1.0;
  drawn.circle.Circ = 0.25;
  StatusLine line = PassStatusLine(drawn, 1.0);
  EXPECT_EQ(line.text, "Lift coefficient C_L = 0.500.");
  EXPECT_FALSE(line.failed);

  // Notes as the core words them: lower-case first words are capitalised, a
  // parameter name keeps its capitals, blanks around go, and a note that
  // already ends with a full stop gets no second one.
  drawn.notes = {"nSL is limited to 20: the curves up to 20 are drawn",
                 "curve 3 is cut short at 2001 points", "  the arrays are full.  "};
  line = PassStatusLine(drawn, 1.0);
  EXPECT_EQ(line.text,
            "Lift coefficient C_L = 0.500. nSL is limited to 20: the curves up to 20 are drawn. "
            "Curve 3 is cut short at 2001 points. The arrays are full.");

  // A chord that is no number: no lift sentence, only the notes.
  line = PassStatusLine(drawn, std::nan(""));
  EXPECT_EQ(line.text,
            "nSL is limited to 20: the curves up to 20 are drawn. Curve 3 is cut short at 2001 "
            "points. The arrays are full.");
}

TEST(StatusLine, FailedPassSaysWhyInOneSentence) {
  auto arrays = std::make_unique<PointArrays>();
  ParameterTexts texts;
  texts.dR = "0";
  const PassResult noStep = RunWholePass(texts, ProfileTable{}, *arrays);
  StatusLine line = PassStatusLine(noStep, 1.0);
  EXPECT_TRUE(line.failed);
  EXPECT_EQ(line.text,
            "The plots were not redrawn: dR must be greater than 0 to trace the streamlines.");

  texts = ParameterTexts{};
  texts.Alfa = "1e999";
  line = PassStatusLine(RunWholePass(texts, ProfileTable{}, *arrays), 1.0);
  EXPECT_TRUE(line.failed);
  EXPECT_EQ(line.text,
            "The plots were not redrawn: The value of alpha is too large to compute with.");
}

TEST(StatusLine, PressureLineHasLiftLowestCpAndEveryNote) {
  SurfacePressure s = LiftLowestCpAndANote();
  EXPECT_EQ(PressureStatusLine(s),
            "C_L integrated from Cp = 0.500. Lowest Cp = -1.250 at x/c = 0.250 on the lower "
            "surface. 2 surface point(s) with an unbounded speed left out.");
  s.CL.reset();
  s.notes.clear();
  EXPECT_EQ(PressureStatusLine(s), "Lowest Cp = -1.250 at x/c = 0.250 on the lower surface.");

  // A Kutta factor other than 1: the line says that the trailing edge is left out.
  FlowParameters p = ReadParameters(ParameterTexts{}, ProfileTable{});
  p.Eps = 0.1, p.Mu = 0.05, p.Alfa = 10.0, p.iKutta = 0.5;
  const std::string line = PressureStatusLine(ComputeSurfacePressure(p, ComputeCircleModel(p)));
  const std::string note =
      " The trailing edge is left out of the surface: with a Kutta factor other than 1 the speed "
      "there is unbounded.";
  ASSERT_GE(line.size(), note.size());
  EXPECT_EQ(line.substr(line.size() - note.size()), note) << line;
  EXPECT_EQ(line.rfind("C_L integrated from Cp = ", 0), 0u) << line;
}

// The same kinds of sentence in Turkish, the notes of the core translated
// with their numbers.
TEST(StatusLine, EveryKindOfSentenceInTurkish) {
  PassResult drawn;
  drawn.params.U0 = 1.0;
  drawn.circle.Circ = 0.25;
  drawn.notes = {"nSL is limited to 20: the curves up to 20 are drawn",
                 "curve 3 is cut short at 2001 points (dR is too small to reach the edge of the "
                 "plot)"};
  EXPECT_EQ(PassStatusLine(drawn, 1.0, Language::kTurkish).text,
            "Kaldırma katsayısı C_L = 0.500. nSL 20 ile sınırlı: 20'ye kadarki eğriler "
            "çiziliyor. Eğri 3, 2001 noktada kesildi (dR, çizimin kenarına ulaşmak için çok "
            "küçük).");

  auto arrays = std::make_unique<PointArrays>();
  ParameterTexts texts;
  texts.dR = "0";
  EXPECT_EQ(
      PassStatusLine(RunWholePass(texts, ProfileTable{}, *arrays), 1.0, Language::kTurkish).text,
      "Çizimler yenilenmedi: Akım çizgilerini izlemek için dR 0'dan büyük olmalı.");
  texts = ParameterTexts{};
  texts.Alfa = "1e999";
  EXPECT_EQ(
      PassStatusLine(RunWholePass(texts, ProfileTable{}, *arrays), 1.0, Language::kTurkish).text,
      "Çizimler yenilenmedi: Alpha değeri hesap yapılamayacak kadar büyük.");

  SurfacePressure s = LiftLowestCpAndANote();
  EXPECT_EQ(PressureStatusLine(s, Language::kTurkish),
            "Cp'nin integralinden C_L = 0.500. En düşük Cp = -1.250, alt yüzeyde x/c = 0.250 "
            "noktasında. Hızı sınırsız olan 2 yüzey noktası dışarıda bırakıldı.");
}

// Every form of note the core and the drawing code write has a Turkish and an
// English text in the catalogue, and an instance of it is translated with its
// values in place.
TEST(StatusLine, EveryNoteFormIsInTheCatalogue) {
  for (const char* form : NoteForms()) {
    const std::string turkish = Translate(Language::kTurkish, "Notes", form);
    const std::string english = Translate(Language::kEnglish, "Notes", form);
    const bool turkishSource = std::string(form).find("dosyası") != std::string::npos;
    EXPECT_NE(turkishSource ? english : turkish, form) << form;
    std::string instance = form;
    for (std::size_t at; (at = instance.find('%')) != std::string::npos;) {
      instance.replace(at, 2, "17");
    }
    std::string expected = turkish;
    for (std::size_t at; (at = expected.find('%')) != std::string::npos;) {
      expected.replace(at, 2, "17");
    }
    EXPECT_EQ(TranslateNote(Language::kTurkish, instance), expected) << form;
  }
}

}  // namespace
}  // namespace fluvenna
