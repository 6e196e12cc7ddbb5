#include "contacts/widgets/contactdlg.h"

#include "contacts/widgets/byteedit.h"
#include "platform/messageboxservice.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

struct FieldForm
{
    std::string CContactDlg::*member;
    const char* label;
    const char* objectName; // the record's field name, for tests and style sheets
    bool multiLine;
};

// In tab order, which is also the order of the record's text fields.
constexpr std::array<FieldForm, CONTACT_FIELD_COUNT> kForms = {{
    {&CContactDlg::m_strFirstName, QT_TRANSLATE_NOOP("CContactDlg", "&First Name"), "strFirstName",
     false},
    {&CContactDlg::m_strLastName, QT_TRANSLATE_NOOP("CContactDlg", "&Last Name"), "strLastName",
     false},
    {&CContactDlg::m_strWireless, QT_TRANSLATE_NOOP("CContactDlg", "&Wireless Address"),
     "strWireless", false},
    {&CContactDlg::m_strEmail1, QT_TRANSLATE_NOOP("CContactDlg", "&Email Address #1"), "strEmail1",
     false},
    {&CContactDlg::m_strEmail2, QT_TRANSLATE_NOOP("CContactDlg", "Email Address #&2"), "strEmail2",
     false},
    {&CContactDlg::m_strEmail3, QT_TRANSLATE_NOOP("CContactDlg", "Email Address #&3"), "strEmail3",
     false},
    {&CContactDlg::m_strWorkNumber, QT_TRANSLATE_NOOP("CContactDlg", "Wor&k Number"),
     "strWorkNumber", false},
    {&CContactDlg::m_strMobileNumber, QT_TRANSLATE_NOOP("CContactDlg", "&Mobile Number"),
     "strMobileNumber", false},
    {&CContactDlg::m_strHomeNumber, QT_TRANSLATE_NOOP("CContactDlg", "&Home Number"),
     "strHomeNumber", false},
    {&CContactDlg::m_strFaxNumber, QT_TRANSLATE_NOOP("CContactDlg", "Fa&x Number"), "strFaxNumber",
     false},
    {&CContactDlg::m_strCompany, QT_TRANSLATE_NOOP("CContactDlg", "C&ompanyName"), "strCompany",
     false},
    {&CContactDlg::m_strAddress, QT_TRANSLATE_NOOP("CContactDlg", "Ma&iling Address"), "strAddress",
     true},
    {&CContactDlg::m_strNote, QT_TRANSLATE_NOOP("CContactDlg", "&Notes"), "strNote", true},
}};

// Rows of the form: names and addresses on the left, telephone numbers and the company on
// the right, the two multi-line fields across the whole width below.
constexpr int kLeftRows = 6;
constexpr int kMailingAddress = 11;

// An address card: the dialog's picture, drawn so that it is sharp at any scale and
// follows the palette.
QPixmap cardPicture(const QWidget* widget, int size)
{
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    const QPalette& palette = widget->palette();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF card(s * 0.04, s * 0.16, s * 0.92, s * 0.68);
    painter.setPen(QPen(palette.color(QPalette::Dark), s / 32.0));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRoundedRect(card, s * 0.08, s * 0.08);

    const QColor accent = palette.color(QPalette::Highlight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent);
    painter.drawEllipse(QPointF(s * 0.29, s * 0.40), s * 0.09, s * 0.09);
    QPainterPath shoulders;
    shoulders.moveTo(s * 0.13, s * 0.72);
    shoulders.cubicTo(s * 0.13, s * 0.52, s * 0.45, s * 0.52, s * 0.45, s * 0.72);
    shoulders.closeSubpath();
    painter.drawPath(shoulders);

    painter.setBrush(palette.color(QPalette::Mid));
    for (int i = 0; i < 3; ++i)
        painter.drawRoundedRect(
            QRectF(s * 0.53, s * (0.34 + 0.13 * i), s * (i == 2 ? 0.22 : 0.34), s * 0.06), s * 0.03,
            s * 0.03);
    return pixmap;
}

QFrame* sunkenLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

QWidget* CContactDlg::Field::edit() const
{
    return line ? static_cast<QWidget*>(line) : static_cast<QWidget*>(multi);
}

CContactDlg::CContactDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr(kContactTitle));
    setObjectName(QStringLiteral("contactDialog"));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("contactFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);

    auto* picture = new QLabel(frame);
    picture->setObjectName(QStringLiteral("picture"));
    const int pictureSize = std::max(32, fontMetrics().height() * 2 + 4);
    picture->setPixmap(cardPicture(this, pictureSize));
    auto* caption = new QLabel(tr(kContactCaption), frame);
    caption->setObjectName(QStringLiteral("caption"));
    QFont captionFont = caption->font();
    captionFont.setBold(true);
    captionFont.setPointSizeF(captionFont.pointSizeF() * 1.25);
    caption->setFont(captionFont);

    auto* header = new QHBoxLayout;
    header->addWidget(picture);
    header->addWidget(caption, 1);

    // Fields that hold 64 bytes get room for about half of it; the short ones for all.
    const int average = fontMetrics().averageCharWidth();
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    grid->setColumnMinimumWidth(2, average * 2);
    for (int i = 0; i < CONTACT_FIELD_COUNT; ++i) {
        const FieldForm& form = kForms[static_cast<size_t>(i)];
        Field& field = m_fields[static_cast<size_t>(i)];
        field.member = form.member;
        field.nMax = kContactFields[static_cast<size_t>(i)].nMax;
        auto* label = new QLabel(tr(form.label), frame);
        if (form.multiLine) {
            field.multi = new MultiLineByteEdit(frame);
            field.multi->setMaxBytes(field.nMax);
            // Room for the lines a field of its limit is likely to fill; only the mailing
            // address scrolls.
            const bool mailing = i == kMailingAddress;
            const int lines = mailing ? 3 : 2;
            field.multi->setFixedHeight(
                field.multi->fontMetrics().lineSpacing() * lines + 2 * field.multi->frameWidth() +
                2 * static_cast<int>(field.multi->document()->documentMargin()) + 2);
            field.multi->setVerticalScrollBarPolicy(mailing ? Qt::ScrollBarAsNeeded
                                                            : Qt::ScrollBarAlwaysOff);
            field.multi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            const int row = kLeftRows + (i - kMailingAddress);
            grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignTop);
            grid->addWidget(field.multi, row, 1, 1, 4);
        } else {
            field.line = new QLineEdit(frame);
            setupByteLineEdit(field.line, field.nMax);
            field.line->setMinimumWidth(average * std::min(field.nMax, 32));
            const bool left = i < kLeftRows;
            const int row = left ? i : i - kLeftRows;
            const int column = left ? 0 : 3;
            grid->addWidget(label, row, column);
            grid->addWidget(field.line, row, column + 1);
        }
        label->setBuddy(field.edit());
        field.edit()->setObjectName(QString::fromLatin1(form.objectName));
    }

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(header);
    frameLayout->addWidget(sunkenLine(frame));
    frameLayout->addLayout(grid);

    // Neither button is the default: Enter walks the fields and presses only a focused
    // button. Add is not the box's accept button: the box would make that the default.
    auto* buttons = new QDialogButtonBox(this);
    m_pAdd = buttons->addButton(tr("&Add"), QDialogButtonBox::ActionRole);
    m_pAdd->setObjectName(QStringLiteral("add"));
    m_pCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    m_pCancel->setObjectName(QStringLiteral("cancel"));
    for (QPushButton* button : {m_pAdd, m_pCancel}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(m_pAdd, &QPushButton::clicked, this, &CContactDlg::OnOK);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    QWidget* previous = nullptr;
    for (const Field& field : m_fields) {
        if (previous)
            setTabOrder(previous, field.edit());
        previous = field.edit();
    }
    setTabOrder(previous, m_pAdd);
    setTabOrder(m_pAdd, m_pCancel);

    // Enter is turned into Tab or Space before any control handles it.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

CContactDlg::~CContactDlg() = default;

void CContactDlg::setFields(const ContactRecord& contact)
{
    for (size_t i = 0; i < m_fields.size(); ++i)
        this->*m_fields[i].member = contact.*kContactFields[i].member;
}

void CContactDlg::getFields(ContactRecord& contact) const
{
    for (size_t i = 0; i < m_fields.size(); ++i)
        contact.*kContactFields[i].member = this->*m_fields[i].member;
}

QWidget* CContactDlg::fieldEdit(int i) const
{
    return m_fields.at(static_cast<size_t>(i)).edit();
}

void CContactDlg::setVisible(bool visible)
{
    const bool opening = visible && !isVisible();
    if (opening)
        OnInitDialog();
    QDialog::setVisible(visible);
    if (opening)
        m_fields.front().edit()->setFocus(Qt::OtherFocusReason);
}

void CContactDlg::OnInitDialog()
{
    for (Field& field : m_fields)
        setFieldText(field);
    m_fields.front().edit()->setFocus(Qt::OtherFocusReason);
}

void CContactDlg::setFieldText(Field& field)
{
    const auto i = static_cast<size_t>(&field - m_fields.data());
    m_given[i] = this->*field.member;
    if (field.line) {
        setLineEditBytes(field.line, m_given[i], field.nMax);
        m_shown[i] = field.line->text();
    } else {
        field.multi->setBytes(m_given[i]);
        m_shown[i] = field.multi->document()->toRawText();
    }
}

std::string CContactDlg::fieldText(const Field& field) const
{
    const auto i = static_cast<size_t>(&field - m_fields.data());
    const QString now = field.line ? field.line->text() : field.multi->document()->toRawText();
    if (now == m_shown[i])
        return m_given[i];
    return field.line ? lineEditBytes(field.line) : field.multi->bytes();
}

void CContactDlg::OnOK()
{
    std::array<std::string, CONTACT_FIELD_COUNT> values;
    size_t total = 0;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const Field& field = m_fields[i];
        values[i] = fieldText(field);
        if (values[i].size() > static_cast<size_t>(field.nMax)) {
            platform::showMessage(this, tr(kContactTooLong).arg(field.nMax), {},
                                  platform::MessageButtons::Ok, platform::MessageIcon::Warning);
            field.edit()->setFocus(Qt::OtherFocusReason);
            return;
        }
        total += values[i].size();
    }
    if (total == 0)
        return;
    for (size_t i = 0; i < m_fields.size(); ++i)
        this->*m_fields[i].member = std::move(values[i]);
    accept();
}

bool CContactDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QWidget* focus = focusWidget();
            if (focus == m_pAdd || focus == m_pCancel)
                static_cast<QPushButton*>(focus)->click(); // as Space on a focused button
            else
                focusNextPrevChild(true); // as Tab
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
