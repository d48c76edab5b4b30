#include "ui/Unit2.h"

#include <QScreen>
#include <QShowEvent>

#include "ui/splash_picture.h"
#include "ui/splash_widgets.h"
#include "ui/window_font.h"

TForm_Splash* Form_Splash = nullptr;

namespace {

// The blank run after "Version" is made of no-break spaces so that the
// centred line keeps room for the version label at its right.
const QString notice = QStringLiteral(
    "Stowix views and edits the pak files of the game \"Dunmarrow\".\n"
    "You use this program at your own risk.\n"
    "Careless handling of the game's resource files can make the game unstable or stop it from "
    "running. The author cannot be held responsible for any damage to your game or your system.\n"
    "\n"
    "Stowix is freeware. Please pass all of its files on together.\n"
    "Written by Brannoc, March to May 2003.  Version\u00a0\u00a0\u00a0\u00a0\u00a0\u00a0\u00a0\u00a0\u00a0\u00a0\n"
    "\n"
    "\"Dunmarrow\" \u00a9 2002 Orvane. All rights reserved.\n"
    "\n"
    "\n"
    "\n"
    "(Click to continue)\n");

const QString thanks = QStringLiteral(
    "Thanks to Aldric and Mireth, and to the developers of Dunmarrow for a great game!   "
    "Special thanks to Tamsin and Hobb for their help and support in creating this program.   "
    "Greetings to Ashgrove, Bramble, Cinder, Dusk, Emberly, Fennick, Gorse, Harrow, Ivo, Juniper, Kestrel, "
    "Larkspur, Mossback, Nettle, Oakheart, Pell, Quill, Rook, Sable, Thistle, Umber, Vesper, Wren, Yarrow, "
    "Zephyr, Brackwater, Coldfen, Duskmere, Elderpike, Flint, Greystone, Hollin, Ironwood, Jasper "
    "and the rest of the Dunmarrow community!   :-)");

}  // namespace

TForm_Splash::TForm_Splash(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form_Splash"));
  setWindowTitle(QStringLiteral("Form_Splash"));
  setModal(true);
  QFont font = ui::window_font();
  setFont(font);

  Image1 = new ui::clickable_picture(ui::splash_picture(), this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->move(0, 0);
  setFixedSize(Image1->size());  // the window sizes itself to the picture

  Label1 = new ui::shadow_label(notice, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QColor(0, 0, 128), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(13, 247, 425, 191);

  LMDScrollText1 = new ui::scroll_text(thanks, Qt::black, this);
  LMDScrollText1->setObjectName(QStringLiteral("LMDScrollText1"));
  LMDScrollText1->setGeometry(6, 387, 440, 20);

  LMDLabel1 = new ui::shadow_label(QStringLiteral("1.01"), Qt::AlignLeft | Qt::AlignVCenter, Qt::black, this);
  LMDLabel1->setObjectName(QStringLiteral("LMDLabel1"));
  LMDLabel1->setGeometry(343, 338, 25, 18);

  connect(Image1, &ui::clickable_picture::clicked, this, &TForm_Splash::Image1Click);
  connect(Label1, &ui::shadow_label::clicked, this, &TForm_Splash::Label1Click);
  connect(LMDLabel1, &ui::shadow_label::clicked, this, &TForm_Splash::Label1Click);
}

void TForm_Splash::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm_Splash::FormShow() {
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  LMDScrollText1->restart();
}

void TForm_Splash::Image1Click() { close(); }

void TForm_Splash::Label1Click() { close(); }
