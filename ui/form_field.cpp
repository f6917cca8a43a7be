// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_field.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "plot/particles_picture.h"
#include "plot/qt/painter_surface.h"
#include "ui/play_timer.h"

namespace fluvenna {

namespace {

// The view opens with the flow part of the picture 600 x 400 pixels large.
constexpr int kOpeningHeight = 400;
// The animation's frames: 60 a second.
constexpr int kFrameMilliseconds = 16;

}  // namespace

FieldCanvas::FieldCanvas(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(sizeHint() / 2);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize FieldCanvas::sizeHint() const {
  return QSize(static_cast<int>(std::lround(kOpeningHeight * FieldPictureAspect())),
               kOpeningHeight);
}

QRect FieldCanvas::PictureRect() const {
  const double aspect = FieldPictureAspect();
  int w = width();
  int h = static_cast<int>(std::lround(w / aspect));
  if (h > height()) {
    h = height();
    w = static_cast<int>(std::lround(h * aspect));
  }
  return QRect((width() - w) / 2, (height() - h) / 2, std::max(w, 1), std::max(h, 1));
}

void FieldCanvas::ShowImage(const QImage& image) {
  image_ = image;
  update();
}

void FieldCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const QRect area = PictureRect();
  if (image_.isNull()) {
    painter.fillRect(area, ToQColor(kBackgroundColour));
  } else {
    painter.drawImage(QRectF(area), image_);
  }
}

void FieldCanvas::resizeEvent(QResizeEvent*) {
  if (resized) resized();
}

void FieldCanvas::Report(const QPointF& at) {
  const QRect area = PictureRect();
  if (area.contains(at.toPoint()) && pointerAt) {
    pointerAt(at - area.topLeft());
  } else if (pointerLeft) {
    pointerLeft();
  }
}

void FieldCanvas::mouseMoveEvent(QMouseEvent* event) {
  Report(event->position());
}

// A tap on a touch screen arrives as a press.
void FieldCanvas::mousePressEvent(QMouseEvent* event) {
  Report(event->position());
}

void FieldCanvas::leaveEvent(QEvent*) {
  if (pointerLeft) pointerLeft();
}

Form_Field::Form_Field(PassSession& session, SavePathDialog savePathDialog, QWidget* parent)
    : QWidget(parent, Qt::Window), session(session), savePathDialog(std::move(savePathDialog)) {
  setObjectName(QStringLiteral("Form_Field"));
  setWindowTitle(tr("Flow field"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* caption = new QLabel(tr("Colour:"), this);
  Combo_Field = new QComboBox(this);
  Combo_Field->setObjectName(QStringLiteral("Combo_Field"));
  Combo_Field->addItem(tr("Pressure coefficient Cp"), static_cast<int>(FieldColouring::kCp));
  Combo_Field->addItem(tr("Speed q/U0"), static_cast<int>(FieldColouring::kSpeed));
  Combo_Field->addItem(tr("None"), static_cast<int>(FieldColouring::kNone));
  caption->setBuddy(Combo_Field);
  Button_Copy = new QPushButton(tr("Copy picture"), this);
  Button_Copy->setObjectName(QStringLiteral("Button_Copy"));
  Button_SavePicture = new QPushButton(tr("Save picture…"), this);
  Button_SavePicture->setObjectName(QStringLiteral("Button_SavePicture"));
  Button_SaveCsv = new QPushButton(tr("Save field as CSV…"), this);
  Button_SaveCsv->setObjectName(QStringLiteral("Button_SaveCsv"));

  Picture_Field = new FieldCanvas(this);
  Picture_Field->setObjectName(QStringLiteral("Picture_Field"));
  Label_Probe = new QLabel(ProbeHint(), this);
  Label_Probe->setObjectName(QStringLiteral("Label_Probe"));
  Label_Probe->setTextFormat(Qt::PlainText);

  Button_Play = new QPushButton(tr("Play"), this);
  Button_Play->setObjectName(QStringLiteral("Button_Play"));
  Check_Timelines = new QCheckBox(tr("Timelines"), this);
  Check_Timelines->setObjectName(QStringLiteral("Check_Timelines"));
  Check_Timelines->setChecked(true);
  auto* intervalCaption = new QLabel(tr("Release every"), this);
  Spin_Interval = new QDoubleSpinBox(this);
  Spin_Interval->setObjectName(QStringLiteral("Spin_Interval"));
  Spin_Interval->setLocale(QLocale::c());  // "." as the decimal point in every language
  Spin_Interval->setRange(kShortestReleaseInterval, kLongestReleaseInterval);
  Spin_Interval->setSingleStep(kReleaseIntervalStep);
  Spin_Interval->setValue(kReleaseInterval);
  intervalCaption->setBuddy(Spin_Interval);
  auto* timeUnit = new QLabel(
      tr("c/U0 (one c/U0 takes %1 s)").arg(QLocale::c().toString(kSecondsPerTimeUnit)), this);
  timer = new QTimer(this);
  timer->setInterval(kFrameMilliseconds);

  auto* motion = new QHBoxLayout;
  motion->addWidget(Button_Play);
  motion->addWidget(Check_Timelines);
  motion->addWidget(intervalCaption);
  motion->addWidget(Spin_Interval);
  motion->addWidget(timeUnit);
  motion->addStretch(1);

  auto* controls = new QHBoxLayout;
  controls->addWidget(caption);
  controls->addWidget(Combo_Field);
  controls->addStretch(1);
  controls->addWidget(Button_Copy);
  controls->addWidget(Button_SavePicture);
  controls->addWidget(Button_SaveCsv);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addLayout(motion);
  layout->addWidget(Picture_Field, 1);
  layout->addWidget(Label_Probe);

  connect(Combo_Field, &QComboBox::currentIndexChanged, this, &Form_Field::Redraw);
  connect(Button_Play, &QPushButton::clicked, this, [this] { Play(!playing); });
  connect(Check_Timelines, &QCheckBox::toggled, this, &Form_Field::DrawFrame);
  connect(Spin_Interval, &QDoubleSpinBox::valueChanged, this, &Form_Field::DrawFrame);
  connect(timer, &QTimer::timeout, this, [this] {
    animationTime += clock.restart() / (1000.0 * kSecondsPerTimeUnit);
    DrawFrame();
  });
  connect(Button_Copy, &QPushButton::clicked, this, &Form_Field::CopyPicture);
  connect(Button_SavePicture, &QPushButton::clicked, this, &Form_Field::SavePicture);
  connect(Button_SaveCsv, &QPushButton::clicked, this, &Form_Field::SaveCsv);
  Picture_Field->resized = [this] { Redraw(); };
  Picture_Field->pointerAt = [this](QPointF at) { ShowProbe(at); };
  Picture_Field->pointerLeft = [this] { Label_Probe->setText(ProbeHint()); };
}

FieldColouring Form_Field::Colouring() const {
  return static_cast<FieldColouring>(Combo_Field->currentData().toInt());
}

void Form_Field::ShowPass() {
  animationTime = 0.0;  // the particles start afresh on the new curves
  clock.restart();
  Redraw();
}

void Form_Field::Redraw() {
  if (!isVisible()) return;  // drawn when shown
  const QRect area = Picture_Field->PictureRect();
  const qreal ratio = Picture_Field->devicePixelRatioF();
  QImage image(qRound(area.width() * ratio), qRound(area.height() * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(ToQColor(kBackgroundColour));
  bool drawn = false;
  {
    QPainter painter(&image);
    PainterSurface surface(painter, QRectF(QPointF(0, 0), area.size()));
    drawn = session.DrawField(surface, Colouring(), area.width(), area.height(), ratio);
  }
  if (!drawn) return;
  picture = image;
  DrawFrame();
}

// No pass runs here: the particles are placed on the curves the last pass
// traced, by their times of flight.
void Form_Field::DrawFrame() {
  if (picture.isNull()) return;
  if (!playing && animationTime == 0.0) {
    Picture_Field->ShowImage(picture);
    return;
  }
  QImage frame = picture.copy();
  {
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = frame.deviceIndependentSize();
    PainterSurface surface(painter, QRectF(QPointF(0, 0), size));
    const ParticleOptions options{Spin_Interval->value(), true, 0.0};
    session.DrawMotion(surface, animationTime, options, Check_Timelines->isChecked(),
                       static_cast<int>(size.width()), static_cast<int>(size.height()));
  }
  Picture_Field->ShowImage(frame);
  ++framesDrawn;
}

void Form_Field::Play(bool on) {
  playing = on;
  Button_Play->setText(playing ? tr("Pause") : tr("Play"));
  clock.restart();
  KeepTimerToState();
  DrawFrame();
}

void Form_Field::KeepTimerToState() {
  KeepPlayTimer(*timer, clock, playing, *this);
}

void Form_Field::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  KeepTimerToState();
}

void Form_Field::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  KeepTimerToState();
}

void Form_Field::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) KeepTimerToState();
}

void Form_Field::ShowProbe(const QPointF& at) {
  const QRect area = Picture_Field->PictureRect();
  const std::string line = session.ProbeText(area.width(), area.height(), at.x(), at.y());
  Label_Probe->setText(line.empty() ? ProbeHint() : QString::fromStdString(line));
}

void Form_Field::CopyPicture() {
  QGuiApplication::clipboard()->setImage(Picture_Field->Image());
}

void Form_Field::SavePicture() {
  const QString path = savePathDialog(
      this, tr("Save picture"), QStringLiteral("fluvenna-field.png"), tr("Pictures (*.png *.svg)"));
  if (path.isEmpty()) return;
  const QSize size = Picture_Field->PictureRect().size();
  SavePictureFile(this, path, Picture_Field->Image(), size, QStringLiteral("Fluvenna: flow field"),
                  [&](PlotSurface& svg) {
                    return session.DrawField(svg, Colouring(), size.width(), size.height());
                  });
}

void Form_Field::SaveCsv() {
  const QString path = savePathDialog(
      this, tr("Save field as CSV"), QStringLiteral("fluvenna-field.csv"), tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  const QSize size = Picture_Field->PictureRect().size();
  WriteFileOrWarn(this, path,
                  QByteArray::fromStdString(session.FieldCsv(size.width(), size.height())));
}

QString Form_Field::ProbeHint() const {
  return tr("Move the pointer over the flow to read its speed and pressure.");
}

}  // namespace fluvenna
