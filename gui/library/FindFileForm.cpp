#include "gui/library/FindFileForm.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vireo::gui {

TFindFileForm::TFindFileForm(QWidget *owner, const QString &caption, const QString &title)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FindFileForm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(caption);
    setFixedSize(430, 121);
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto *lay = new QVBoxLayout(frame);
    m_title = new QLabel(title, frame);
    m_title->setObjectName(QStringLiteral("TittelMess"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_progress = new QLabel(frame);
    m_progress->setObjectName(QStringLiteral("RunTimeMess"));
    m_progress->setTextFormat(Qt::PlainText);
    m_progress->setMinimumWidth(400);
    m_progress->setMaximumWidth(410);
    auto *brand = new QLabel(QStringLiteral("Vireo version 2"), frame);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), frame);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    lay->addWidget(m_title);
    lay->addWidget(m_progress);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(brand);
    bottom->addStretch(1);
    bottom->addWidget(m_cancel);
    lay->addLayout(bottom);

    if (owner) {
        const QRect r = owner->frameGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    show();
}

void TFindFileForm::setTitle(const QString &title) { m_title->setText(title); }

void TFindFileForm::setProgressText(const QString &text)
{
    m_progress->setText(fontMetrics().elidedText(text, Qt::ElideMiddle, m_progress->maximumWidth()));
}

void TFindFileForm::setCancelEnabled(bool on) { m_cancel->setEnabled(on); }

void TFindFileForm::processEvents() { QApplication::processEvents(); }

void TFindFileForm::repaintNow() { repaint(); }

} // namespace vireo::gui
