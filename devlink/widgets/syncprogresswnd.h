#pragma once
// The small always-on-top window that shows how far a transfer with the pager has got: a
// caption with the percentage, a line of status text and a bar. The main frame owns one;
// the device events reset, fill, advance and hide it. Its window belongs to the frame and
// may go away with it, so every operation first checks that the window still exists.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QtGlobal>

#include <optional>

class QLabel;
class QProgressBar;

class CSyncProgressWnd : public QObject
{
    Q_OBJECT

public:
    explicit CSyncProgressWnd(QObject* parent = nullptr);
    ~CSyncProgressWnd() override;
    CSyncProgressWnd(const CSyncProgressWnd&) = delete;
    CSyncProgressWnd& operator=(const CSyncProgressWnd&) = delete;

    // Creates the window owned by `owner` (the program's main window when null), placed at
    // the saved position when there is one on a screen and centred over the owner otherwise,
    // and shows it. Returns false when the window already exists.
    bool Create(QWidget* owner, const QString& caption, bool bSmooth, std::optional<QPoint> saved);
    void Destroy();
    bool Exists() const { return !m_pWnd.isNull(); }

    // Empty text, position 0 (which shows the window), cancel flag cleared.
    void Reset();
    // At most 511 characters are shown, as the window always has.
    void SetText(const QString& text);
    void SetRange(qint32 nLower, qint32 nUpper, qint32 nStep);
    // Shows the window, moves the bar and updates the caption's percentage; returns the
    // previous position.
    qint32 SetPos(qint32 nPos);
    qint32 Step();
    void Show();
    void Hide();

    // Lets the window thread handle what is waiting (further device events included) while a
    // step event is being handled. Esc, when bCancelOnEsc, runs Cancel(); an Esc that goes to
    // a dialog or menu opened inside the pump is theirs. Once cancelled, it does nothing
    // until the next Reset().
    void PumpMessages(bool bCancelOnEsc);
    // True while PumpMessages is handling what waits.
    bool IsPumping() const { return m_bPumping; }
    // Hides the window and gives the main window the foreground; the transfer goes on.
    void Cancel();

    // Where the user left the window, to be kept for the next run; nullopt for a window
    // never shown or never moved by the user, which keeps following the main window.
    std::optional<QPoint> SavedPosition() const;

    bool IsCancelled() const { return m_bCancelled; }
    qint32 GetPos() const { return m_nPos; }
    qint32 GetLastPercent() const { return m_nLastPercent; }
    QWidget* window() const { return m_pWnd.data(); }

    // The percentage a position stands for, 0..100 for any range and position.
    static qint32 PercentFor(qint32 nPos, qint32 nLower, qint32 nUpper);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RecalcLayout(int nLines, int nWidth);
    void CentreOverOwner();

    QPointer<QWidget> m_pWnd;
    QPointer<QWidget> m_pOwner;
    QLabel* m_pText = nullptr;
    QProgressBar* m_pBar = nullptr;

    bool m_bCancelled = false;
    qint32 m_nPos = 0;
    qint32 m_nLastPercent = 0;
    qint32 m_nStep = 1;
    qint32 m_nUpper = 100;
    qint32 m_nLower = 0;
    int m_nTextLines = 4;
    QString m_strTitle;
    QString m_strCancel; // only measured: the blank area right of the bar is this button's size

    bool m_bPumping = false;
    bool m_bCancelOnEsc = false;
    // The modal window that was up when the pump began: input for any other belongs to it.
    QPointer<QWidget> m_pModalAtPump;
    bool m_bFollowOwner = false; // no saved place: centred over the owner at every show
    QPoint m_placedAt;           // where the window was put last; elsewhere means the user moved it
};
