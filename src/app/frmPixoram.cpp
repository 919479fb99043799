// The main window's layout, menus and start-up.
#include "app/frmPixoram.h"

#include "app/PictureControl.h"
#include "draw/ToolTable.h"
#include "ui/Canvas.h"
#include "ui/LayoutFonts.h"
#include "ui/LayoutPicture.h"
#include "ui/Twips.h"
#include "ui/WindowCentring.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

// Resources of a static library are linked only when referenced.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(info);
}

namespace {

const QColor kMagenta(255, 0, 255);

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setColours(QWidget* widget, const QColor& text, const QColor& base)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, base);
    widget->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const QString& caption, QRect geometry, const QFont& font)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    setColours(label, Qt::white, kMagenta);
    return label;
}

QLineEdit* makeTextBox(QWidget* parent, const QString& text, QRect geometry, int maxLength,
                       const QFont& font, const QString& toolTip)
{
    auto* box = new QLineEdit(text, parent);
    box->setGeometry(geometry);
    box->setMaxLength(maxLength);
    box->setFont(font);
    box->setToolTip(toolTip);
    setColours(box, Qt::black, Qt::white);
    return box;
}

}  // namespace

frmPixoram::frmPixoram(UserDialogs& dialogs, const QString& commandLine) : dialogs(dialogs)
{
    initResources();
    setObjectName(QStringLiteral("frmPixoram"));
    setWindowTitle(QStringLiteral("Pixoram - 2.7"));
    setWindowIcon(QIcon(layoutPicture(QStringLiteral(":/pixoram.png"), "PNG")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createControls();
    createMenus();
    createToolbar();
    connectHandlers();
    connectToolbar();
    connectDocument();
    setFixedSize(sizeHint());
    Form_Load(commandLine);
}

frmPixoram::~frmPixoram() = default;

void frmPixoram::createControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(twipsToPixels(8880), twipsToPixels(5745));
    setBackground(client, kMagenta);
    client->setMouseTracking(true);
    client->installEventFilter(this);
    setCentralWidget(client);
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));

    const QFont labelFont = layoutFont(QStringLiteral("MS Sans Serif"), 12);
    const QFont nameFont = layoutFont(QStringLiteral("TI92pc"), 13.5);
    const QFont plainFont = layoutFont(QStringLiteral("MS Sans Serif"), 8.25);

    Panel3D2 = new QFrame(client);
    Panel3D2->setGeometry(twipsRect(60, 45, 1665, 510));
    setBackground(Panel3D2, QColor(255, 192, 255));

    Command1 = new QPushButton(QStringLiteral("Snap"), client);
    Command1->setGeometry(twipsRect(1815, 105, 840, 405));
    Command2 = new QPushButton(QStringLiteral("Send"), client);
    Command2->setGeometry(twipsRect(2850, 120, 975, 390));

    Label3 = makeLabel(client, QStringLiteral("Folder:"), twipsRect(3990, 165, 870, 390), labelFont);
    Text3 = makeTextBox(client, document.names().folder, twipsRect(4890, 120, 1605, 375), 8, nameFont,
                        QStringLiteral("in the calculator"));
    Label4 = makeLabel(client, QStringLiteral("Var:"), twipsRect(6630, 180, 555, 330), labelFont);
    Text2 = makeTextBox(client, document.names().variable, twipsRect(7155, 120, 1560, 375), 8, nameFont,
                        QStringLiteral("in the calculator"));

    // The purple frame lets the mouse through to the window's own surface.
    Panel3D1 = new QFrame(client);
    Panel3D1->setGeometry(twipsRect(240, 675, 8490, 4185));
    setBackground(Panel3D1, QColor(192, 0, 192));
    Panel3D1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Picture1 = new Canvas(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->move(twipsToPixels(375), twipsToPixels(810));
    // Takes the keyboard for the arrow keys that shift the picture.
    Picture1->setFocusPolicy(Qt::StrongFocus);

    Label1 = makeLabel(client, QStringLiteral("Comment:"), twipsRect(1050, 4980, 855, 255), plainFont);
    Text1 = makeTextBox(client, document.names().comment, twipsRect(1935, 4920, 5055, 360), 40,
                        layoutFont(QStringLiteral("System"), 9.75), QStringLiteral("(max length=40)"));
    Label2 = makeLabel(client, QString(), twipsRect(7140, 4920, 1395, 375), plainFont);

    auto* statusBar = new QFrame(client);
    StatusBar1 = statusBar;
    statusBar->setGeometry(twipsRect(0, 5370, 8880, 375));
    setBackground(statusBar, palette().color(QPalette::Button));
    statusPanel1 = new QLabel(statusBar);
    statusPanel1->setGeometry(2, 2, twipsToPixels(2160) - 2, statusBar->height() - 4);
    statusPanel2 = new QLabel(statusBar);
    statusPanel2->setGeometry(twipsToPixels(2160) + 2, 2, twipsToPixels(1440) - 2, statusBar->height() - 4);
    statusPanel2->setMinimumWidth(statusPanel2->width());
    for (QLabel* panel : {statusPanel1, statusPanel2}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFont(plainFont);
        setColours(panel, Qt::black, Qt::white);
    }

    ProgressBar1 = new QProgressBar(client);
    ProgressBar1->setGeometry(twipsRect(5040, 5445, 3795, 240));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);

    Picture2 = new QLabel(client);
    Picture2->setGeometry(twipsRect(45, 540, 495, 375));
    Picture2->hide();

    Picture4 = QImage(twipsToPixels(3645), twipsToPixels(1905), QImage::Format_RGB32);
    Picture4.fill(Qt::white);

    for (QLineEdit* box : {Text1, Text2, Text3})
        box->installEventFilter(this);
}

void frmPixoram::createMenus()
{
    miFile = menuBar()->addMenu(QStringLiteral("&File"));
    miOpen = miFile->addAction(QStringLiteral("&Open"));
    miOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    miSave = miFile->addAction(QStringLiteral("&Save"));
    miSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    miSaveAs = miFile->addAction(QStringLiteral("S&ave As..."));
    miSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    miExportPng = miFile->addAction(QStringLiteral("Export PNG..."));
    miFile->addSeparator();
    miImport = miFile->addAction(QStringLiteral("&Import"));
    miImportImage = miFile->addAction(QStringLiteral("Import Image..."));
    miReceive = miFile->addAction(QStringLiteral("Receive Picture..."));
    miFile->addSeparator();
    miPrint = miFile->addAction(QStringLiteral("&Print"));
    miPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mipgset = miFile->addAction(QStringLiteral("Page Setup"));
    miFile->addSeparator();
    miExit = miFile->addAction(QStringLiteral("E&xit"));
    miExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    miDraw = menuBar()->addMenu(QStringLiteral("&Draw"));
    miCls = miDraw->addAction(QStringLiteral("&ClrDraw "));
    miCls->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    miTools = miDraw->addMenu(QStringLiteral("Tools..."));
    for (const Tool& tool : kTools) {
        mitool[tool.number] = miTools->addAction(QString::fromLatin1(tool.caption));
        mitool[tool.number]->setCheckable(true);
    }
    mitool[1]->setChecked(true);
    miUndo = miDraw->addAction(QStringLiteral("&Undo"));
    miUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    miRedo = miDraw->addAction(QStringLiteral("&Redo"));
    miRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    miDraw->addSeparator();
    miCopyPicture = miDraw->addAction(QStringLiteral("Copy Picture"));
    miCopyPicture->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    // A text box with the focus takes these keys for its own text, as usual.
    miPastePicture = miDraw->addAction(QStringLiteral("Paste Picture"));
    miPastePicture->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    miDraw->addSeparator();
    miInvert = miDraw->addAction(QStringLiteral("Invert"));
    miFlipHorizontal = miDraw->addAction(QStringLiteral("Flip Horizontal"));
    miFlipVertical = miDraw->addAction(QStringLiteral("Flip Vertical"));

    miLink = menuBar()->addMenu(QStringLiteral("&Link Settings"));
    for (int index = 1; index <= 4; ++index) {
        miCom[index] = miLink->addAction(QStringLiteral("COM%1").arg(index));
        miCom[index]->setCheckable(true);
    }
    miLink->addSeparator();
    miGray = miLink->addAction(QStringLiteral("Gray"));
    miBlack = miLink->addAction(QStringLiteral("Black"));
    miUSB = miLink->addAction(QStringLiteral("USB"));
    miEmulator = miLink->addAction(QStringLiteral("Emulator"));
    miLink->addSeparator();
    miTI92Plus = miLink->addAction(QStringLiteral("TI-92 Plus / Voyage 200"));
    miTI89 = miLink->addAction(QStringLiteral("TI-89 / TI-89 Titanium"));
    for (QAction* item : {miGray, miBlack, miUSB, miEmulator, miTI92Plus, miTI89})
        item->setCheckable(true);
    // One of the two calculators, shown as radio items.
    auto* calculators = new QActionGroup(miLink);
    calculators->addAction(miTI92Plus);
    calculators->addAction(miTI89);
    miTI92Plus->setChecked(true);

    miHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    miInstructions = miHelp->addAction(QStringLiteral("&Instructions"));
    miInstructions->setShortcut(QKeySequence(Qt::Key_F1));
    miAbout = miHelp->addAction(QStringLiteral("&About"));

    // Check marks are set by the handlers alone, never by Qt's own toggling.
    for (QMenu* menu : {miTools, miLink}) {
        for (QAction* item : menu->actions())
            connect(item, &QAction::triggered, item, [item](bool) { item->setChecked(!item->isChecked()); });
    }
}

void frmPixoram::connectHandlers()
{
    connect(miOpen, &QAction::triggered, this, &frmPixoram::miOpen_Click);
    connect(miSave, &QAction::triggered, this, &frmPixoram::miSave_Click);
    connect(miSaveAs, &QAction::triggered, this, &frmPixoram::miSaveAs_Click);
    connect(miImport, &QAction::triggered, this, &frmPixoram::miImport_Click);
    connect(miImportImage, &QAction::triggered, this, &frmPixoram::miImportImage_Click);
    connect(miExportPng, &QAction::triggered, this, &frmPixoram::miExportPng_Click);
    connect(miCopyPicture, &QAction::triggered, this, &frmPixoram::miCopyPicture_Click);
    connect(miPastePicture, &QAction::triggered, this, &frmPixoram::miPastePicture_Click);
    connect(miInvert, &QAction::triggered, this, &frmPixoram::miInvert_Click);
    connect(miFlipHorizontal, &QAction::triggered, this, &frmPixoram::miFlipHorizontal_Click);
    connect(miFlipVertical, &QAction::triggered, this, &frmPixoram::miFlipVertical_Click);
    connect(miReceive, &QAction::triggered, this, &frmPixoram::miReceive_Click);
    // Receive replaces the picture as Open does, so it is offered exactly when Open is.
    connect(miOpen, &QAction::changed, miReceive, [this] { miReceive->setEnabled(miOpen->isEnabled()); });
    connect(miLink, &QMenu::aboutToShow, this, &frmPixoram::miLink_Opening);
    connect(miPrint, &QAction::triggered, this, &frmPixoram::miPrint_Click);
    connect(mipgset, &QAction::triggered, this, &frmPixoram::mipgset_Click);
    connect(miExit, &QAction::triggered, this, &frmPixoram::miExit_Click);
    connect(miCls, &QAction::triggered, this, &frmPixoram::miCls_Click);
    connect(miUndo, &QAction::triggered, this, &frmPixoram::miUndo_Click);
    connect(miRedo, &QAction::triggered, this, &frmPixoram::miRedo_Click);
    for (int index = 1; index <= 12; ++index)
        connect(mitool[index], &QAction::triggered, this, [this, index] { mitool_Click(index); });
    for (int index = 1; index <= 4; ++index)
        connect(miCom[index], &QAction::triggered, this, [this, index] { miCom_Click(index); });
    connect(miGray, &QAction::triggered, this, &frmPixoram::miGray_Click);
    connect(miBlack, &QAction::triggered, this, &frmPixoram::miBlack_Click);
    connect(miUSB, &QAction::triggered, this, &frmPixoram::miUSB_Click);
    connect(miEmulator, &QAction::triggered, this, &frmPixoram::miEmulator_Click);
    connect(miTI92Plus, &QAction::triggered, this, &frmPixoram::miTI92Plus_Click);
    connect(miTI89, &QAction::triggered, this, &frmPixoram::miTI89_Click);
    connect(miInstructions, &QAction::triggered, this, &frmPixoram::miInstructions_Click);
    connect(miAbout, &QAction::triggered, this, &frmPixoram::miAbout_Click);
    connect(Command1, &QPushButton::clicked, this, &frmPixoram::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmPixoram::Command2_Click);
    connect(Picture1, &Canvas::mousePressed, this, &frmPixoram::Picture1_MouseDown);
    connect(Picture1, &Canvas::mouseMoved, this, &frmPixoram::Picture1_MouseMove);
    connect(Picture1, &Canvas::mouseReleased, this, &frmPixoram::Picture1_MouseUp);
    connect(Picture1, &Canvas::filesDropped, this, &frmPixoram::Picture1_OLEDragDrop);
    connect(Picture1, &Canvas::arrowKeyPressed, this, &frmPixoram::Picture1_KeyDown);
}

void frmPixoram::Form_Load(const QString& commandLine)
{
    markEmpty();
    cableCode = 5;
    portName = kDefaultPort;
    for (int index = 1; index <= 4; ++index)
        miCom[index]->setEnabled(false);
    miUSB->setChecked(true);
    miBlack->setChecked(false);
    miGray->setChecked(false);
    Picture1->setEnabled(true);
    CurrentTool = 0;
    SavedTool = 1;
    pageSetup = PageSetupValues{};
    centreOnScreen(*this);
    if (!commandLine.isEmpty())
        LoadPictureFile(commandLine, true);
}

void frmPixoram::Form_MouseMove()
{
    Label2->clear();
    showPosition(QString());
}

bool frmPixoram::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::MouseMove)
        Form_MouseMove();
    // The menus' shortcuts (Ctrl+C, Ctrl+X, Ctrl+A, Ctrl+Z among them) win over the text boxes'
    // own editing keys.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->modifiers() | key->key());
        for (QAction* item : {miOpen, miSave, miSaveAs, miPrint, miExit, miCls, miUndo, miRedo}) {
            if (item->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
