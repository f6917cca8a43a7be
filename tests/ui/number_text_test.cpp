#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <clocale>

#include "flow/leading_number.h"
#include "ui/number_text.h"

using fluvenna::NumberText;

class NumberTextTest : public QObject {
  Q_OBJECT

 private slots:
  void examples() {
    QCOMPARE(NumberText(7 / 100.0), QStringLiteral("0.07"));
    QCOMPARE(NumberText(15 / 10.0), QStringLiteral("1.5"));
    QCOMPARE(NumberText(30 / 10.0), QStringLiteral("3"));
    QCOMPARE(NumberText(-10), QStringLiteral("-10"));
    QCOMPARE(NumberText(10 / 100.0), QStringLiteral("0.1"));
    QCOMPARE(NumberText(0.0), QStringLiteral("0"));
    QCOMPARE(NumberText(-0.0), QStringLiteral("0"));
    QCOMPARE(NumberText(1e-5), QStringLiteral("0.00001"));
    QCOMPARE(NumberText(1234567), QStringLiteral("1234567"));
    QCOMPARE(NumberText(1.0 / 3.0), QStringLiteral("0.333333333333333"));  // 15 digits
  }

  // Every value a scroll bar writes is plain decimal text that the pass reads
  // back as the same number, whatever the regional settings.
  void everyScrollBarValueReadsBack() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // where installed
    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"));
    const struct {
      int minimum, maximum;
      double divisor;
    } bars[] = {{1, 30, 100.0}, {0, 14, 100.0}, {-10, 30, 1.0}, {0, 10, 10.0},
                {1, 10, 100.0}, {2, 10, 1.0},   {5, 30, 10.0}};
    for (const auto& bar : bars) {
      for (int position = bar.minimum; position <= bar.maximum; ++position) {
        const double value = position / bar.divisor;
        const QString text = NumberText(value);
        QVERIFY2(plain.match(text).hasMatch(), qPrintable(text));
        QCOMPARE(fluvenna::LeadingNumber(text.toStdString()), value);
      }
    }
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
  }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "number_text_test.moc"
