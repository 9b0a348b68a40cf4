#include "screensaverinstructions.h"

namespace tolvar {

QString screenSaverInstructions()
{
    // Tabs and trailing blanks are part of the page as it has always been printed.
    return QStringLiteral(
        "To start building your screen saver, click \"Create Skeleton\" below.\r\n"
        "This action will create a new form, and insert the appropriate\r\n"
        "controls and skeleton code.\r\n"
        "\t    \t\t\t\t\r\n"
        "You will need to write code for these procedures:\r\n"
        "\r\n"
        "1. Form_Load()\t\r\n"
        "\t\r\n"
        "   A. Command Line Subroutines:\r\n"
        "      (These \"cases\" are called from the Windows Screen Saver dialog.) \r\n"
        "      \r\n"
        "      a.  case \"/C\"\r\n"
        "\t  Screen Saver Setup.\r\n"
        "\t  Create a form / subroutine that will allow\r\n"
        "\t  a user to customize your screen saver.\r\n"
        "\r\n"
        "      b.  case \"/A\"\r\n"
        "\t  Password Setup.\r\n"
        "\t  Create a form / subroutine that will allow\r\n"
        "\t  a user to set a password. \r\n"
        "\r\n"
        "      c.  case \"/S\"\r\n"
        "\t  Starts the Screen Saver \r\n"
        "\t  The system runs your screen saver by loading\r\n"
        "\t  it with the /S switch set.\t\r\n"
        "\r\n"
        "2. DoGraphics()       \r\n"
        "\r\n"
        "       A.  This subroutine is where you need to put your\r\n"
        "\t   main graphics generation routine. Keep in mind\r\n"
        "           this routine is called constaintly from a \"Do\"\r\n"
        "\t   loop. Program this routine so that it updates itself\r\n"
        "\t   each time its called.\r\n"
        "\r\n"
        "       *** You may run your screen saver anytime from the Visual\r\n"
        "\t   Basic, but you will have to set the correct switch (/s,/a,/c)\r\n"
        "\t   from the \"Command Line Arguments\" option in the\r\n"
        "\t   Tools/Options/Project menu. \r\n"
        "\r\n"
        "3. When you are finished and the project is compiled do the following:\r\n"
        "\r\n"
        "       A. Delete the extension EXE and insert SCR\r\n"
        "          For example \"Project1.SCR\"\r\n"
        " \r\n"
        "       B. Click on \"Options\" and type SCRNSAVE: in \r\n"
        "          front of the application's title in the \"Title box\".\r\n"
        "          For example SCRNSAVE:Project1\r\n");
}

} // namespace tolvar
