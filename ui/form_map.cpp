// SPDX-FileCopyrightText: 2026 Fluvenna developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_map.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "plot/map_picture.h"
#include "plot/qt/painter_surface.h"
#include "report/number_text.h"
#include "ui/play_timer.h"

namespace fluvenna {
namespace {

// Each picture has the size of the window's plots.
constexpr int kPictureWidth = 396;
constexpr int kPictureHeight = 263;
constexpr int kFrameMilliseconds = 16;

}  // namespace

MapCanvas::MapCanvas(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(kPictureWidth, kPictureHeight);
}

void MapCanvas::ShowImage(const QImage& image) {
  image_ = image;
  update();
}

void MapCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(rect(), ToQColor(kBackgroundColour));
  } else {
    painter.drawImage(QRectF(rect()), image_);
  }
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (pointerAt) pointerAt(event->position());
}

// A tap on a touch screen arrives as a press.
void MapCanvas::mousePressEvent(QMouseEvent* event) {
  if (pointerAt) pointerAt(event->position());
}

void MapCanvas::leaveEvent(QEvent*) {
  if (pointerLeft) pointerLeft();
}

Form_Map::Form_Map(PassSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session(session) {
  setObjectName(QStringLiteral("Form_Map"));
  setWindowTitle(tr("Conformal map"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* pictures = new QHBoxLayout;
  const char* const names[] = {"Picture_MapCircle", "Picture_MapMorph", "Picture_MapAirfoil"};
  for (int i = 0; i < 3; ++i) {
    Picture_Map[i] = new MapCanvas(this);
    Picture_Map[i]->setObjectName(QLatin1String(names[i]));
    Picture_Map[i]->pointerAt = [this, i](QPointF at) { Point(i, at); };
    Picture_Map[i]->pointerLeft = [this] {
      pointer.reset();
      Label_Pointer->setText(PointerHint());
      for (int j = 0; j < 3; ++j) Show(j);
    };
    pictures->addWidget(Picture_Map[i]);
  }

  auto* caption = new QLabel(tr("Morph t:"), this);
  Slider_Morph = new QSlider(Qt::Horizontal, this);
  Slider_Morph->setObjectName(QStringLiteral("Slider_Morph"));
  Slider_Morph->setRange(0, kMorphSteps);
  Slider_Morph->setSingleStep(kMorphSteps / 100);
  Slider_Morph->setPageStep(kMorphSteps / 10);
  Slider_Morph->setValue(static_cast<int>(std::lround(t * kMorphSteps)));
  Slider_Morph->setAccessibleName(tr("Morph from the circle (t = 0) to the airfoil (t = 1)"));
  caption->setBuddy(Slider_Morph);
  Label_Morph = new QLabel(this);
  Label_Morph->setObjectName(QStringLiteral("Label_Morph"));
  Label_Morph->setTextFormat(Qt::PlainText);
  Label_Morph->setMinimumWidth(
      Label_Morph->fontMetrics().horizontalAdvance(QStringLiteral("0.000")));
  Button_Play = new QPushButton(tr("Play"), this);
  Button_Play->setObjectName(QStringLiteral("Button_Play"));
  auto* morph = new QHBoxLayout;
  morph->addWidget(caption);
  morph->addWidget(Slider_Morph, 1);
  morph->addWidget(Label_Morph);
  morph->addWidget(Button_Play);

  Label_Pointer = new QLabel(PointerHint(), this);
  Label_Pointer->setObjectName(QStringLiteral("Label_Pointer"));
  Label_Pointer->setTextFormat(Qt::PlainText);
  Label_Critical = new QLabel(this);
  Label_Critical->setObjectName(QStringLiteral("Label_Critical"));
  Label_Critical->setTextFormat(Qt::PlainText);
  Label_Critical->setWordWrap(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(pictures);
  layout->addLayout(morph);
  layout->addWidget(Label_Pointer);
  layout->addWidget(Label_Critical);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  timer = new QTimer(this);
  timer->setInterval(kFrameMilliseconds);
  connect(timer, &QTimer::timeout, this, [this] {
    const double next = t + clock.restart() / (1000.0 * kMorphSeconds);
    SetMorph(std::min(next, 1.0));
    ++framesDrawn;
    if (next >= 1.0) Play(false);
  });
  connect(Slider_Morph, &QSlider::valueChanged, this,
          [this](int value) { SetMorph(static_cast<double>(value) / kMorphSteps); });
  connect(Button_Play, &QPushButton::clicked, this, [this] { Play(!playing); });
  SetMorph(t);
}

void Form_Map::ShowPass() {
  pointer.reset();
  Label_Pointer->setText(PointerHint());
  Label_Critical->setText(QString::fromStdString(session.MapText()));
  Redraw();
}

void Form_Map::Draw(int picture) {
  if (!isVisible()) return;  // drawn when shown
  const qreal ratio = Picture_Map[static_cast<std::size_t>(picture)]->devicePixelRatioF();
  QImage image(qRound(kPictureWidth * ratio), qRound(kPictureHeight * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(ToQColor(kBackgroundColour));
  bool drawn = false;
  {
    QPainter painter(&image);
    PainterSurface surface(painter, QRectF(0, 0, kPictureWidth, kPictureHeight));
    drawn = session.DrawMap(surface, PlaneOf(picture), kPictureWidth, kPictureHeight);
  }
  if (!drawn) return;
  plain[static_cast<std::size_t>(picture)] = image;
  Show(picture);
}

// The pointer moves often: only its ring is drawn, over the picture as it stands.
void Form_Map::Show(int picture) {
  const QImage& image = plain[static_cast<std::size_t>(picture)];
  MapCanvas* canvas = Picture_Map[static_cast<std::size_t>(picture)];
  if (image.isNull() || !pointer) {
    if (!image.isNull()) canvas->ShowImage(image);
    return;
  }
  QImage ringed = image.copy();
  {
    QPainter painter(&ringed);
    PainterSurface surface(painter, QRectF(0, 0, kPictureWidth, kPictureHeight));
    session.DrawMapPointer(surface, PlaneOf(picture), kPictureWidth, kPictureHeight, *pointer);
  }
  canvas->ShowImage(ringed);
}

void Form_Map::Redraw() {
  for (int i = 0; i < 3; ++i) Draw(i);
}

// Only the middle picture changes with t; the pointer's ring on it follows its point.
void Form_Map::SetMorph(double next) {
  t = std::clamp(next, 0.0, 1.0);
  {
    const QSignalBlocker quiet(Slider_Morph);
    Slider_Morph->setValue(static_cast<int>(std::lround(t * kMorphSteps)));
  }
  Label_Morph->setText(QString::fromStdString(FixedText(t, 3)));
  Draw(1);
}

void Form_Map::Play(bool on) {
  playing = on;
  if (playing && t >= 1.0) SetMorph(0.0);  // once more from the circle
  Button_Play->setText(playing ? tr("Pause") : tr("Play"));
  clock.restart();
  KeepTimerToState();
}

void Form_Map::KeepTimerToState() {
  KeepPlayTimer(*timer, clock, playing, *this);
}

void Form_Map::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  KeepTimerToState();
}

void Form_Map::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  KeepTimerToState();
  Redraw();
}

void Form_Map::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) KeepTimerToState();
}

void Form_Map::Point(int picture, const QPointF& at) {
  const auto linked =
      session.LinkMapPointer(PlaneOf(picture), kPictureWidth, kPictureHeight, at.x(), at.y());
  if (!linked) return;
  Label_Pointer->setText(QString::fromStdString(linked->line));
  if (linked->point.inside) {
    pointer.reset();
  } else {
    pointer = std::pair{linked->point.zx, linked->point.zy};
  }
  for (int i = 0; i < 3; ++i) Show(i);
}

QString Form_Map::PointerHint() const {
  return tr("Move the pointer over a picture: its point is ringed in all three.");
}

}  // namespace fluvenna
