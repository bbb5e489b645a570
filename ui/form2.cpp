#include "form2.h"

#include "build_info.h"
#include "fonts.h"
#include "link_label.h"
#include "screen_centring.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace tempidex {
namespace {

const QString LinkErrorPrompt = QStringLiteral("Error displaying file");

constexpr QSize ClientSize = TwipsSize(4170, 1935);
// Read from the top: title, description, copyright, notice, "For information:" and the
// link, all flush left; "Chiudi" at the lower right, level with the last two.
constexpr QRect Command1Geometry = TwipsRect(3120, 1410, 855, 375);
constexpr QRect Label6Geometry = TwipsRect(120, 1560, 2055, 255);
constexpr QRect Label5Geometry = TwipsRect(120, 1320, 1255, 255);
constexpr QRect Label4Geometry = TwipsRect(120, 960, 3495, 255);
constexpr QRect Label3Geometry = TwipsRect(120, 720, 2655, 255);
// Wider than the window: the window cuts the box, not the text, which is shorter.
constexpr QRect Label2Geometry = TwipsRect(120, 360, 4215, 255);
constexpr QRect Label1Geometry = TwipsRect(120, 120, 1815, 255);

constexpr qreal HeadingPointSize = 9.75;

// The box that reports a failed link. Its title, the failure's description, is the part
// that matters, so the box is made wide enough for the window manager to show all of it.
class LinkErrorBox : public QMessageBox {
public:
    LinkErrorBox(const QString &title, const QString &text, QWidget *parent)
        : QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent) {
        setObjectName(QStringLiteral("LinkErrorBox"));
    }

protected:
    // QMessageBox sizes itself to its text whenever it is shown or laid out again, allowing
    // the title only the room of a slim title font; widen it after each time.
    void resizeEvent(QResizeEvent *event) override {
        QMessageBox::resizeEvent(event);
        const int wanted = titleWidth();
        if (width() < wanted)
            setFixedWidth(wanted);
    }

private:
    int titleWidth() const {
        // Window managers draw titles in bold, between the window's icon and its buttons.
        constexpr int TitleBarControls = 120;
        QFont title = font();
        title.setBold(true);
        const int wanted = QFontMetrics(title).horizontalAdvance(windowTitle()) + TitleBarControls;
        const QScreen *shown = screen();
        return shown ? std::min(wanted, shown->availableGeometry().width()) : wanted;
    }
};

QUrl MakerSite() {
    return QUrl(QStringLiteral("http://%1/").arg(QLatin1String(build_info::MakerHost)));
}

} // namespace

Form2::Form2(QWidget *parent, BrowserFactory browsers)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_browsers(std::move(browsers)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(" %1 - About").arg(QLatin1String(build_info::ProductName)));
    setFont(SansSerifFont(WindowFontPointSize));
    setFixedSize(ClientSize);

    Command1 = new QPushButton(QStringLiteral("Chiudi"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Command1Geometry);

    Label6 = new LinkLabel(QLatin1String(build_info::MakerHost), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(Label6Geometry);
    Label6->setFont(SansSerifFont(HeadingPointSize, QFont::Bold));
    Label6->setAccessibleName(tr("Sito web: %1").arg(QLatin1String(build_info::MakerHost)));
    Label6->setAccessibleDescription(tr("Apre il sito nel browser"));

    Label5 = createLabel("Label5", QStringLiteral("For information:"), Label5Geometry);
    Label4 = createLabel("Label4", QStringLiteral("This software il FREE"), Label4Geometry);
    Label3 = createLabel("Label3", QLatin1String(build_info::Copyright), Label3Geometry);
    Label2 = createLabel("Label2", QLatin1String(build_info::Description), Label2Geometry);
    Label2->setFont(SansSerifFont(HeadingPointSize));
    Label1 = createLabel("Label1", QLatin1String(build_info::ProductName), Label1Geometry);
    Label1->setFont(SansSerifFont(HeadingPointSize, QFont::Bold));

    setTabOrder(Command1, Label6); // Tab reaches the link after "Chiudi"

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Label6, &LinkLabel::clicked, this, &Form2::Label6_Click);
    Command1->setFocus(Qt::OtherFocusReason);
    CentreOnScreen(this);
}

Form2::~Form2() = default;

QLabel *Form2::createLabel(const char *name, const QString &text, const QRect &geometry) {
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

void Form2::keyPressEvent(QKeyEvent *event) {
    // "Chiudi" is no cancel button: Esc leaves the window open.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form2::Command1_Click() {
    accept();
}

void Form2::Label6_Click() {
    NewBrowser started = m_browsers();
    if (!started.browser) {
        showLinkError(started.error);
        return;
    }
    Explorer = std::move(started.browser); // releases the previous one, which stays open
    connect(Explorer.get(), &WebBrowser::failed, this, &Form2::showLinkError);
    Explorer->open(MakerSite());
}

void Form2::showLinkError(const QString &description) {
    // The fixed prompt is the message and the failure's description the title.
    LinkErrorBox box(description, LinkErrorPrompt, this);
    box.exec();
}

} // namespace tempidex
