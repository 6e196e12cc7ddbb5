#include "devlink/widgets/syncprogresswnd.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <limits>

namespace {

constexpr int kMargin = 10;
constexpr int kTextWidth = 390;
constexpr qsizetype kMaxText = 511;
// Pending events are handled for at most this long per step, so that a flood of them
// (a timer that always fires, say) cannot keep a step from returning.
constexpr int kPumpMillis = 100;

QWidget* programMainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (qobject_cast<QMainWindow*>(window))
            return window;
    }
    return nullptr;
}

qint32 saturated(qint64 value)
{
    return static_cast<qint32>(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                                  std::numeric_limits<qint32>::max()));
}

} // namespace

CSyncProgressWnd::CSyncProgressWnd(QObject* parent)
    : QObject(parent), m_strTitle(tr("Progress")),
      //: Only measured: the blank area right of the bar is as wide as this button would be.
      m_strCancel(tr(" Cancel "))
{
}

CSyncProgressWnd::~CSyncProgressWnd()
{
    Destroy();
}

bool CSyncProgressWnd::Create(QWidget* owner, const QString& caption, bool bSmooth,
                              std::optional<QPoint> saved)
{
    if (Exists())
        return false;
    if (!owner)
        owner = programMainWindow();
    m_pOwner = owner;

    // A title bar without buttons: the window is closed by the transfer, never by the user.
    auto* wnd = new QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                                       Qt::WindowTitleHint);
    wnd->setObjectName(QStringLiteral("SyncProgressWnd"));
    wnd->setAttribute(Qt::WA_ShowWithoutActivating);
    wnd->setCursor(Qt::BusyCursor);
    wnd->setWindowTitle(caption);
    m_pWnd = wnd;

    m_pText = new QLabel(wnd);
    m_pText->setObjectName(QStringLiteral("text"));
    m_pText->setTextFormat(Qt::PlainText);
    m_pText->setWordWrap(false);
    m_pText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_pText->setFont(QApplication::font("QMessageBox"));

    m_pBar = new QProgressBar(wnd);
    m_pBar->setObjectName(QStringLiteral("bar"));
    m_pBar->setTextVisible(false);
    m_pBar->setAccessibleName(tr("Transfer progress"));
    static_cast<void>(bSmooth); // the styles of this platform draw every bar smooth
    SetRange(m_nLower, m_nUpper, m_nStep);

    RecalcLayout(m_nTextLines, kTextWidth);

    if (saved && QGuiApplication::screenAt(*saved)) {
        wnd->move(*saved);
        m_placedAt = *saved;
        m_bFollowOwner = false;
    } else {
        m_bFollowOwner = true;
        CentreOverOwner();
    }
    Show();
    return true;
}

void CSyncProgressWnd::RecalcLayout(int nLines, int nWidth)
{
    const QFontMetrics metrics(m_pText->font());
    const int edge = std::max(2, m_pWnd->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));

    // Room for nLines lines of text, and never narrower than the text of a long status
    // line in a large font would need.
    QStringList lines;
    for (int i = 0; i < nLines; ++i)
        lines.append(QStringLiteral("M"));
    const QSize text(
        std::max(nWidth, 32 * metrics.averageCharWidth()),
        metrics.boundingRect(QRect(), Qt::TextDontClip, lines.join(QLatin1Char('\n'))).height());

    // The blank area right of the bar is as large as a " Cancel " button would be.
    // (Advance, not bounding box: the trailing blanks count.)
    const QSize blank(metrics.horizontalAdvance(m_strCancel + QStringLiteral("  ")) + 4 * edge,
                      metrics.height() + 3 * edge);

    m_pText->setMinimumSize(text);
    m_pBar->setFixedHeight(std::max(1, blank.height() - 2 * edge));

    delete m_pWnd->layout();
    auto* column = new QVBoxLayout(m_pWnd);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kMargin);
    column->addWidget(m_pText);
    auto* row = new QHBoxLayout;
    row->addWidget(m_pBar, 1, Qt::AlignVCenter);
    // A box layout puts no spacing beside a spacer: the margin between bar and blank area
    // is part of it.
    row->addSpacerItem(new QSpacerItem(kMargin + blank.width(), blank.height(), QSizePolicy::Fixed,
                                       QSizePolicy::Fixed));
    column->addLayout(row);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->activate();
}

void CSyncProgressWnd::CentreOverOwner()
{
    QScreen* screen = m_pOwner ? m_pOwner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QRect over = m_pOwner && m_pOwner->isVisible() ? m_pOwner->frameGeometry() : area;

    QRect frame(QPoint(0, 0), m_pWnd->frameGeometry().size());
    frame.moveCenter(over.center());
    // An owner partly off the screen still gets a window the user can see.
    if (area.isValid()) {
        frame.moveLeft(std::clamp(frame.left(), area.left(),
                                  std::max(area.left(), area.right() - frame.width() + 1)));
        frame.moveTop(std::clamp(frame.top(), area.top(),
                                 std::max(area.top(), area.bottom() - frame.height() + 1)));
    }
    m_pWnd->move(frame.topLeft());
    m_placedAt = frame.topLeft();
}

void CSyncProgressWnd::Destroy()
{
    // Now, not later: an owner that would take it along may itself outlive this object.
    if (Exists())
        delete m_pWnd.data();
    m_pText = nullptr;
    m_pBar = nullptr;
}

void CSyncProgressWnd::Reset()
{
    SetText(QString());
    SetPos(0);
    m_bCancelled = false;
    if (Exists())
        m_pWnd->update();
}

void CSyncProgressWnd::SetText(const QString& text)
{
    if (!Exists())
        return;
    // The label has no accessible name of its own: its text is its name, and a new text is
    // announced as a new name.
    m_pText->setText(text.left(kMaxText));
}

void CSyncProgressWnd::SetRange(qint32 nLower, qint32 nUpper, qint32 nStep)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
    m_nStep = nStep;
    if (!Exists())
        return;
    // An empty range would turn the bar into a busy indicator; it stays an empty bar.
    m_pBar->setRange(nLower, std::max(nUpper, saturated(qint64{nLower} + 1)));
}

qint32 CSyncProgressWnd::PercentFor(qint32 nPos, qint32 nLower, qint32 nUpper)
{
    if (nUpper <= nLower)
        return 0;
    // The lower bound is not taken from the position: transfers always count from 0.
    const qint64 percent = qint64{nPos} * 100 / (qint64{nUpper} - qint64{nLower});
    return static_cast<qint32>(std::clamp<qint64>(percent, 0, 100));
}

qint32 CSyncProgressWnd::SetPos(qint32 nPos)
{
    if (!Exists())
        return m_nPos;
    Show();
    const qint32 previous = m_nPos;
    m_nPos = nPos;

    const qint32 percent = PercentFor(nPos, m_nLower, m_nUpper);
    if (percent != m_nLastPercent) {
        m_nLastPercent = percent;
        m_pWnd->setWindowTitle(QStringLiteral("%1 [%2%]").arg(m_strTitle).arg(percent));
    }
    m_pBar->setValue(std::clamp(nPos, m_pBar->minimum(), m_pBar->maximum()));
    return previous;
}

qint32 CSyncProgressWnd::Step()
{
    if (!Exists())
        return m_nPos;
    return SetPos(saturated(qint64{m_nPos} + qint64{m_nStep}));
}

void CSyncProgressWnd::Show()
{
    if (!Exists() || m_pWnd->isVisible())
        return;
    if (m_bFollowOwner) {
        if (m_pWnd->pos() != m_placedAt)
            m_bFollowOwner = false; // the user has put it somewhere: it stays there
        else
            CentreOverOwner();
    }
    m_pWnd->show();
    m_pWnd->update();
}

void CSyncProgressWnd::Hide()
{
    if (Exists() && m_pWnd->isVisible())
        m_pWnd->hide();
}

void CSyncProgressWnd::PumpMessages(bool bCancelOnEsc)
{
    // A step event handled inside this pump calls it again; the outer pump is already
    // handling what waits, and nesting one pump per queued event could exhaust the stack.
    if (!Exists() || m_bCancelled || m_bPumping)
        return;
    m_bPumping = true;
    m_bCancelOnEsc = bCancelOnEsc;
    m_pModalAtPump = QApplication::activeModalWidget();
    qApp->installEventFilter(this);
    // What is handled here may close the main window and take this object along.
    const QPointer<CSyncProgressWnd> alive(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents, kPumpMillis);
    if (!alive)
        return;
    qApp->removeEventFilter(this);
    m_bPumping = false;
}

bool CSyncProgressWnd::eventFilter(QObject* watched, QEvent* event)
{
    // Only the pump's own dispatch: a dialog or a menu opened inside it runs a loop of its
    // own, and its keys are its own.
    if (m_bPumping && m_bCancelOnEsc && !m_bCancelled &&
        QApplication::activeModalWidget() == m_pModalAtPump.data() &&
        !QApplication::activePopupWidget() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Esc is the user's answer to the transfer and nothing else: no dialog or view
        // behind the window gets it as well.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            Cancel();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void CSyncProgressWnd::Cancel()
{
    m_bCancelled = true;
    Hide();
    if (QWidget* main = m_pOwner ? m_pOwner->window() : programMainWindow()) {
        main->raise();
        main->activateWindow();
    }
}

std::optional<QPoint> CSyncProgressWnd::SavedPosition() const
{
    if (!Exists())
        return std::nullopt;
    const QPoint now = m_pWnd->pos();
    if (m_bFollowOwner && now == m_placedAt)
        return std::nullopt;
    return now;
}
