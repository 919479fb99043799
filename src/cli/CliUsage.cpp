#include "cli/CliUsage.h"

namespace {

const char* const kProgram =
    "usage: pixoram-cli COMMAND [OPTION]... [ARGUMENT]...\n"
    "Converts images into TI-92, TI-92 Plus, Voyage 200 and TI-89 pictures and back, and\n"
    "takes screenshots from and sends pictures to a calculator.\n"
    "\n"
    "Commands:\n"
    "  convert INPUT OUTPUT        convert one image or picture file\n"
    "  convert INPUT... -o DIR     convert each input into DIR\n"
    "  info FILE...                describe picture files\n"
    "  snap OUTPUT                 save the calculator's screen\n"
    "  send FILE                   store a picture on the calculator\n"
    "\n"
    "  --help                      this help; COMMAND --help for a command's\n"
    "  --version                   the program's version\n"
    "  --quiet                     print nothing on success\n"
    "\n"
    "Exit status: 0 success, 1 a file or conversion failed, 2 bad usage, 3 link failure.\n";

const char* const kConversion =
    "  --size fit|fill|stretch|natural\n"
    "                       fit inside 240 x 103 (default), cover it, stretch to it,\n"
    "                       or take the pixels as they are, centred\n"
    "  --threshold N        black below luminance N, 0 to 255 (default 128)\n"
    "  --dither floyd-steinberg|ordered\n"
    "                       error diffusion, or an 8 x 8 ordered pattern\n"
    "  --brightness N, --contrast N\n"
    "                       -100 to 100 (default 0), applied before black and white\n"
    "  --invert             swap black and white\n"
    "  --rotate 0|90|180|270\n"
    "                       turn the image clockwise first\n";

const char* const kOutputs =
    "The output's extension picks its format, or --kind does: 92i, 9xi, v2i\n"
    "(calculator picture files), 89i (a TI-89 picture file: the image fits into\n"
    "159 x 77), png (1-bit 240 x 103), pbm (raw; --pbm-plain for plain text) or bmp.\n";

const char* const kLink =
    "  --cable gray|black|usb|emulator\n"
    "                       the link cable (default usb: the SilverLink)\n"
    "  --port N             the cable's port, 1 to 4 (gray and black: /dev/ttyS0 to\n"
    "                       /dev/ttyS3; default 1)\n"
    "  --model ti92p|ti89   the calculator: TI-92 Plus or Voyage 200 (default), or\n"
    "                       TI-89 or TI-89 Titanium (its 159 x 77 graph area)\n";

}  // namespace

QString cliUsage(const QString& topic)
{
    if (topic == QLatin1String("convert"))
        return QStringLiteral("usage: pixoram-cli convert INPUT OUTPUT [OPTION]...\n"
                              "       pixoram-cli convert INPUT... -o DIR [OPTION]...\n"
                              "Converts an image (BMP, RLE, ICO, WMF, JPEG, GIF, PNG) or a calculator\n"
                              "picture file (92i, 9xi, v2i, 89i) into a 240 x 103 picture.\n\n")
               + QLatin1String(kConversion)
               + QLatin1String("  --name FOLDER\\VAR    the calculator name in a picture file (default main\\picture)\n"
                               "  --kind KIND          the output's format, whatever its extension\n"
                               "  --pbm-plain          write PBM as text (P1)\n"
                               "  -o DIR               one output per input: DIR/NAME.KIND (--kind default 9xi)\n\n")
               + QLatin1String(kOutputs);
    if (topic == QLatin1String("info"))
        return QStringLiteral("usage: pixoram-cli info FILE... [--json]\n"
                              "Tells each file's kind, calculator folder and variable, comment, picture\n"
                              "size, whether its checksum is right, and its black cells.\n\n"
                              "  --json               one JSON array, an object a file\n");
    if (topic == QLatin1String("snap"))
        return QStringLiteral("usage: pixoram-cli snap OUTPUT [OPTION]...\n"
                              "Saves the calculator's screen: its graph rows 18 to 120 as a 240 x 103\n"
                              "picture (a TI-89's rows 16 to 92, columns 0 to 158, top-left), or the\n"
                              "full 240 x 128 screen (png, pbm, bmp only).\n\n"
                              "  --rows graph|full    which rows (default graph)\n"
                              "  --name FOLDER\\VAR    the calculator name in a picture file (default main\\picture)\n"
                              "  --kind KIND          the output's format, whatever its extension\n"
                              "  --pbm-plain          write PBM as text (P1)\n")
               + QLatin1String(kLink) + QLatin1Char('\n') + QLatin1String(kOutputs);
    if (topic == QLatin1String("send"))
        return QStringLiteral("usage: pixoram-cli send FILE [OPTION]...\n"
                              "Converts FILE as convert does and stores it on the calculator as a picture\n"
                              "variable: under --name, else a picture file's own name, else main\\picture.\n\n")
               + QLatin1String(kConversion)
               + QLatin1String("  --name FOLDER\\VAR    the variable's calculator name\n") + QLatin1String(kLink);
    return QLatin1String(kProgram);
}
