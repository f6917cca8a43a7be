// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_profile.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace fluvenna {
namespace {

// The outline's margin round the contour, pixels.
constexpr int kOutlineMargin = 8;

// A local .dat file among the dropped ones, or an empty string.
QString DroppedFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls()) return {};
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace

ProfileOutline::ProfileOutline(QWidget* parent) : QWidget(parent) {
  setMinimumSize(300, 100);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void ProfileOutline::SetContour(const std::vector<double>& x, const std::vector<double>& y) {
  x_ = x, y_ = y;
  update();
}

void ProfileOutline::paintEvent(QPaintEvent*) {
  if (x_.size() < 2 || x_.size() != y_.size()) return;
  const auto [xMin, xMax] = std::minmax_element(x_.begin(), x_.end());
  const auto [yMin, yMax] = std::minmax_element(y_.begin(), y_.end());
  const double w = std::max(*xMax - *xMin, 1e-9), h = std::max(*yMax - *yMin, 1e-9);
  const double scale =
      std::min((width() - 2.0 * kOutlineMargin) / w, (height() - 2.0 * kOutlineMargin) / h);
  const double left = 0.5 * (width() - scale * w), top = 0.5 * (height() - scale * h);
  QPainterPath path;
  for (std::size_t i = 0; i < x_.size(); ++i) {
    const QPointF p(left + (x_[i] - *xMin) * scale, top + (*yMax - y_[i]) * scale);
    if (i == 0) {
      path.moveTo(p);
    } else {
      path.lineTo(p);
    }
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(255, 0, 0), 1.5));
  painter.drawPath(path);
}

Form_Profile::Form_Profile(PassSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
  setObjectName(QStringLiteral("Form_Profile"));
  setWindowTitle(tr("Profile"));
  setAcceptDrops(true);
  openPathDialog_ = [](QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, tr("Open a profile"), QString(),
                                        tr("Airfoil coordinates (*.dat *.txt);;All files (*)"));
  };

  Option_Joukowski = new QRadioButton(tr("Joukowski (δ and γ of the window)"));
  Option_Joukowski->setObjectName(QStringLiteral("Option_Joukowski"));
  Option_Naca = new QRadioButton(tr("NACA"));
  Option_Naca->setObjectName(QStringLiteral("Option_Naca"));
  Option_File = new QRadioButton(tr("File"));
  Option_File->setObjectName(QStringLiteral("Option_File"));
  Option_File->setEnabled(false);  // chosen by opening or dropping a file
  Option_Joukowski->setChecked(true);
  Text_Naca = new QLineEdit(QStringLiteral("2412"));
  Text_Naca->setObjectName(QStringLiteral("Text_Naca"));
  Text_Naca->setMaxLength(16);
  Command_Naca = new QPushButton(tr("Use"));
  Command_Naca->setObjectName(QStringLiteral("Command_Naca"));
  Command_Open = new QPushButton(tr("Open…"));
  Command_Open->setObjectName(QStringLiteral("Command_Open"));
  Outline = new ProfileOutline;
  Outline->setObjectName(QStringLiteral("Outline"));
  Label_Report = new QLabel;
  Label_Report->setObjectName(QStringLiteral("Label_Report"));
  Label_Report->setTextFormat(Qt::PlainText);  // a file's name is never markup
  Label_Report->setWordWrap(true);
  Label_Refusal = new QLabel;
  Label_Refusal->setObjectName(QStringLiteral("Label_Refusal"));
  Label_Refusal->setTextFormat(Qt::PlainText);
  Label_Refusal->setWordWrap(true);
  QPalette red = Label_Refusal->palette();
  red.setColor(QPalette::WindowText, QColor(160, 0, 0));
  Label_Refusal->setPalette(red);
  auto* hint = new QLabel(tr("Drop a .dat file (Selig or Lednicer) on this window to open it."));
  hint->setWordWrap(true);

  auto* naca = new QHBoxLayout;
  naca->addWidget(Option_Naca);
  naca->addWidget(Text_Naca);
  naca->addWidget(Command_Naca);
  auto* file = new QHBoxLayout;
  file->addWidget(Option_File);
  file->addWidget(Command_Open);
  file->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Option_Joukowski);
  layout->addLayout(naca);
  layout->addLayout(file);
  layout->addWidget(hint);
  layout->addWidget(Outline, 1);
  layout->addWidget(Label_Report);
  layout->addWidget(Label_Refusal);

  connect(Option_Joukowski, &QRadioButton::clicked, this, [this] { ChooseJoukowski(); });
  connect(Option_Naca, &QRadioButton::clicked, this, [this] { ChooseNaca(Text_Naca->text()); });
  connect(Command_Naca, &QPushButton::clicked, this, [this] { ChooseNaca(Text_Naca->text()); });
  connect(Text_Naca, &QLineEdit::returnPressed, this, [this] { ChooseNaca(Text_Naca->text()); });
  connect(Command_Open, &QPushButton::clicked, this, [this] {
    const QString path = openPathDialog_(this);
    if (!path.isEmpty()) ChooseFile(path);
  });
  ShowProfile();
}

bool Form_Profile::ChooseJoukowski() {
  return Apply(ProfileSource::Joukowski());
}

bool Form_Profile::ChooseNaca(const QString& code) {
  if (!Apply(ProfileSource::Naca(code.trimmed().toStdString()))) return false;
  Text_Naca->setText(code.trimmed());  // the box names the code in use
  return true;
}

bool Form_Profile::ChooseFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Label_Refusal->setText(tr("%1 cannot be read: %2").arg(path, file.errorString()));
    ShowProfile();
    return false;
  }
  // One byte more than a profile file may have, so that a larger one is refused.
  const QByteArray text = file.read(static_cast<qint64>(kMostAirfoilFileBytes) + 1);
  return Apply(ProfileSource::File(text.toStdString(), QFileInfo(path).fileName().toStdString()));
}

bool Form_Profile::Apply(const ProfileSource& source) {
  const auto refused = session_.SetProfile(source);
  Label_Refusal->setText(refused ? QString::fromStdString(*refused) : QString());
  ShowProfile();
  if (!refused) {
    kind_ = source.kind;
    ShowProfile();
    emit changed();
  }
  return !refused;
}

void Form_Profile::ShowProfile() {
  const LoadedProfile* profile = session_.Profile();
  Option_Joukowski->setChecked(!profile);
  if (profile) {
    const bool fromFile = kind_ == ProfileSource::Kind::kFile;
    Option_File->setEnabled(fromFile);
    (fromFile ? Option_File : Option_Naca)->setChecked(true);
    Outline->SetContour(profile->contour.x, profile->contour.y);
    Label_Report->setText(QString::fromStdString(session_.ProfileText()));
    setWindowTitle(tr("Profile: %1").arg(QString::fromStdString(profile->contour.report.name)));
  } else {
    Option_File->setEnabled(false);
    Outline->SetContour({}, {});
    Label_Report->setText(tr("The Joukowski profile of the table row chosen by δ and γ."));
    setWindowTitle(tr("Profile"));
  }
  // The report and a refusal wrap to more lines than the window was first
  // given room for: it grows to show them whole.
  if (QLayout* box = layout(); box && box->hasHeightForWidth()) {
    const int needed = box->totalHeightForWidth(width());
    if (needed > height()) resize(width(), needed);
  }
}

void Form_Profile::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Form_Profile::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  ChooseFile(path);
}

}  // namespace fluvenna
