#pragma once
// The main window: owns the picture document, the drawing state, the link settings
// and the page setup, and every handler of its controls. The handlers are defined
// in a folder each after the subsystem whose rules they call; each stays short and
// leaves the rule to plain code. The picture, its names, its file and the command
// state live in the document; the controls only show what it announces.

#include "app/UserDialogs.h"
#include "link/CalcModel.h"
#include "link/CalcVariable.h"
#include "picture/PictureDocument.h"
#include "print/PageSetupValues.h"
#include "ui/ImportImageDialog.h"
#include "ui/RubberBand.h"

#include <QImage>
#include <QMainWindow>

#include <array>
#include <vector>
#include <cstdint>

class Canvas;
class PictureControl;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class frmAbout;
class frmExit;
class frmHelp;
class pgset;

class frmPixoram : public QMainWindow {
    Q_OBJECT
public:
    // commandLine: the argument text after the program's name; a picture file path or empty.
    frmPixoram(UserDialogs& dialogs, const QString& commandLine);
    ~frmPixoram() override;

    // ---- Handlers --------------------------------------------------------
    // app
    void Form_MouseMove();
    void miCls_Click();
    void miUndo_Click();
    void miRedo_Click();
    void miExit_Click();
    // toolbar (X, Y in twips from the picture's top-left corner)
    void Image1_MouseDown(int button, float X, float Y);
    void Image1_MouseMove(int button, float X, float Y);
    void Image1_MouseUp(int button, float X, float Y);
    void Image2_Click();
    void Image3_MouseDown(int button, float X, float Y);
    void Image3_MouseMove(int button, float X, float Y);
    void Image3_MouseUp(int button, float X, float Y);
    void Image4_Click();
    void Image7_MouseDown(int button, float X, float Y);
    void Image7_MouseMove(int button, float X, float Y);
    void Image7_MouseUp(int button, float X, float Y);
    void Image10_MouseDown(int button, float X, float Y);
    void Image10_MouseMove(int button, float X, float Y);
    void Image10_MouseUp(int button, float X, float Y);
    // info
    void miAbout_Click();
    void miInstructions_Click();
    // picture
    void Picture1_Paint();
    // files
    void miOpen_Click();
    void miSave_Click();
    void miSaveAs_Click();
    void miExportPng_Click();
    void Picture1_OLEDragDrop(const QStringList& paths);
    // draw
    void mitool_Click(int index);
    void Picture1_MouseDown(int button, float X, float Y);
    void Picture1_MouseMove(int button, float X, float Y);
    void Picture1_MouseUp(int button, float X, float Y);
    void Picture1_KeyDown(int key, bool shiftHeld);
    void miCopyPicture_Click();
    void miPastePicture_Click();
    void miInvert_Click();
    void miFlipHorizontal_Click();
    void miFlipVertical_Click();
    // import
    void miImport_Click();
    void miImportImage_Click();
    // link
    void miCom_Click(int index);
    void miGray_Click();
    void miBlack_Click();
    void miUSB_Click();
    void miEmulator_Click();
    void miTI92Plus_Click();
    void miTI89_Click();
    void Command1_Click();
    void Command2_Click();
    void miReceive_Click();
    void miLink_Opening();
    void miPortDevice_Click(const QString& device);
    // print
    void miPrint_Click();
    void mipgset_Click();

    // ---- Routines other subsystems call --------------------------------
    // picture
    void PlotCell(int16_t x, int16_t y);
    void ClearPicture();
    // The picture becomes these cells as one step of the history, marked edited; a step that
    // would change no cell is none.
    void changePicture(const QString& step, const PictureGrid& cells);
    // files
    // Returns false (after telling the user) when the file could not be read;
    // the picture and the window are then as they were.
    bool LoadPictureFile(const QString& path, bool atStartUp);
    // Open's and Receive's picture in place of the current one, with a new history:
    // the grid from its picture (top-left, cut at 240 x 103), the folder and variable
    // from its name, the file, its status caption and the comment as given; the tool parked.
    void ReplacePicture(const CalcVariable& loaded, const QString& path, const QString& caption,
                        const QString& comment);
    bool CheckFolderName();
    bool CheckVarName();
    // draw
    void PenLineTo(int16_t column, int16_t row);
    // Suspends the tool after a load: the next press on the canvas re-arms SavedTool.
    void parkTool();
    void checkToolItem(int index);
    // import: the "Import Image" dialog on the image; OK changes the picture as the named step.
    void importImage(const QImage& image, const QString& step);
    // link
    // The calculator Snap and Send talk to, whose picture area the canvas shows:
    // TI92Plus (the TI-92 Plus and Voyage 200) or TI89 (the TI-89 and TI-89 Titanium).
    void chooseCalculator(CalcKind kind);

    // Command state: one function per row of the table of events; the document holds it.
    void markEmpty();                  // start-up, ClrDraw
    void markFileLoaded();             // command line, drop, Open
    void markEdited();                 // press on the canvas, import accepted
    void markSaved();                  // Save
    void markSavedAsCalculatorFile();  // Save As of a calculator file
    void markScreenshotTaken();        // Snap
    void markPictureReceived();        // Receive

    // ---- Controls ----------------------------------------------------------
    Canvas* Picture1 = nullptr;
    QLineEdit* Text1 = nullptr;  // comment
    QLineEdit* Text2 = nullptr;  // variable name
    QLineEdit* Text3 = nullptr;  // folder name
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QWidget* Panel3D1 = nullptr;
    QWidget* Panel3D2 = nullptr;
    QPushButton* Command1 = nullptr;  // "Snap"
    QPushButton* Command2 = nullptr;  // "Send"
    QLabel* statusPanel1 = nullptr;   // StatusBar1, panel 1: the picture's file
    QLabel* statusPanel2 = nullptr;   // StatusBar1, panel 2: the cell under the mouse
    QWidget* StatusBar1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Picture2 = nullptr;       // import preview, hidden
    // Toolbar: raised, pressed and cover pictures.
    PictureControl* Image1 = nullptr;
    PictureControl* Image2 = nullptr;
    PictureControl* Image3 = nullptr;
    PictureControl* Image4 = nullptr;
    PictureControl* Image5 = nullptr;
    PictureControl* Image6 = nullptr;
    PictureControl* Image7 = nullptr;
    PictureControl* Image8 = nullptr;
    PictureControl* Image9 = nullptr;
    PictureControl* Image10 = nullptr;
    PictureControl* Image11 = nullptr;

    QMenu* miFile = nullptr;
    QAction* miOpen = nullptr;
    QAction* miSave = nullptr;
    QAction* miSaveAs = nullptr;
    QAction* miExportPng = nullptr;
    QAction* miImport = nullptr;
    QAction* miImportImage = nullptr;
    QAction* miReceive = nullptr;  // "Receive Picture..."
    QAction* miPrint = nullptr;
    QAction* mipgset = nullptr;
    QAction* miExit = nullptr;
    QMenu* miDraw = nullptr;
    QAction* miCls = nullptr;
    QMenu* miTools = nullptr;
    std::array<QAction*, 13> mitool{};  // 1 to 12
    QAction* miUndo = nullptr;
    QAction* miRedo = nullptr;
    QAction* miCopyPicture = nullptr;
    QAction* miPastePicture = nullptr;
    QAction* miInvert = nullptr;
    QAction* miFlipHorizontal = nullptr;
    QAction* miFlipVertical = nullptr;
    QMenu* miLink = nullptr;
    std::array<QAction*, 5> miCom{};    // 1 to 4
    QAction* miGray = nullptr;
    QAction* miBlack = nullptr;
    QAction* miUSB = nullptr;
    QAction* miEmulator = nullptr;
    QAction* miTI92Plus = nullptr;
    QAction* miTI89 = nullptr;
    // The USB serial adapters present when the menu last opened, below COM4.
    std::vector<QAction*> miPortDevice;
    QMenu* miHelp = nullptr;
    QAction* miInstructions = nullptr;
    QAction* miAbout = nullptr;

    // ---- State of the run ----------------------------------------------------
    // The picture, its names and file, the command state and the history: changed only
    // through the document, here read through these two names.
    PictureDocument document;
    const PictureGrid& grid = document.grid();
    const QString& CurrentFileName = document.filePath();

    // Drawing state.
    enum class DrawMode { CopyPen = 13, XorPen = 7 };
    int16_t CurrentTool = 0;
    int16_t SavedTool = 1;
    float StartX = 0, StartY = 0, EndX = 0, EndY = 0;
    double Radius = 0;
    DrawMode drawMode = DrawMode::CopyPen;
    RubberBand rubberBand;  // the shape outline on the canvas during a drag

    // The shared common dialog CMDialog1: keeps its filter position and default
    // extension from one use to the next.
    FileDialogRequest CMDialog1;
    // Import Image and Export PNG keep dialogs of their own: they change nothing CMDialog1 keeps.
    FileDialogRequest importImageDialog;
    FileDialogRequest exportPngDialog;
    // The "Import Image" dialog's settings, kept from one OK to the next for the run.
    ImportImageSettings importImageSettings;

    // The hidden work picture Picture4 (3645 x 1905 twips): bitmaps pass to and
    // from the link component through it.
    QImage Picture4;

    // The calculator link component.
    CalcVariable calcVariable;
    CalcModel TI92Calc{CalcKind::TI92};
    CalcModel TI92PlusCalc{CalcKind::TI92Plus};
    CalcModel Voyage200Calc{CalcKind::Voyage200};
    CalcModel TI89Calc{CalcKind::TI89};

    // Link settings.
    int32_t cableCode = 5;
    QString portName;
    CalcKind calculator = CalcKind::TI92Plus;

    PageSetupValues pageSetup;

    UserDialogs& dialogs;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load(const QString& commandLine);
    void createControls();
    void createMenus();
    void createToolbar();
    void connectHandlers();
    void connectToolbar();
    void connectDocument();
    // The controls follow the document.
    void showCells(const QRect& cells);
    void showNames();
    void showFile();
    void showCommandState();
    void showHistory();
    void showPasteOffered();
    // Status panel 2: the cell under the mouse, or nothing.
    void showPosition(const QString& text);

    frmExit* exitWindow = nullptr;
    frmAbout* aboutWindow = nullptr;
    frmHelp* helpWindow = nullptr;
    pgset* pageSetupWindow = nullptr;
    bool ending = false;
};
