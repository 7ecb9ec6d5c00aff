/* Adds a PostScript test printer to a Wine prefix: the driver with its PPD, the printer on a port and, when
 * asked, as the default printer. Does nothing for a printer that is there already.
 *   wine-test-printer.exe PRINTER PPD_FILE PORT [default]
 */
#include <windows.h>
#include <winspool.h>

#include <stdio.h>
#include <string.h>

static int fail(const char* what)
{
    fprintf(stderr, "wine-test-printer: %s failed (error %lu)\n", what, GetLastError());
    return 1;
}

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        fprintf(stderr, "usage: wine-test-printer.exe PRINTER PPD_FILE PORT [default]\n");
        return 2;
    }
    char* printer = argv[1];
    const char* ppd = argv[2];
    char* port = argv[3];
    HANDLE h;
    if (OpenPrinterA(printer, &h, NULL))
    {
        ClosePrinter(h);
        return 0;
    }

    /* A driver's files are copied into the printer-driver directory before the driver is added. */
    char dir[MAX_PATH], data[MAX_PATH], driver[MAX_PATH];
    DWORD n = 0;
    if (!GetPrinterDriverDirectoryA(NULL, NULL, 1, (LPBYTE)dir, sizeof(dir), &n))
        return fail("GetPrinterDriverDirectory");
    const char* base = ppd;
    for (const char* p = ppd; *p; ++p)
        if (*p == '\\' || *p == '/')
            base = p + 1;
    snprintf(data, sizeof(data), "%s\\%s", dir, base);
    if (!CopyFileA(ppd, data, FALSE))
        return fail("copying the PPD");
    snprintf(driver, sizeof(driver), "%s PostScript", printer);
    DRIVER_INFO_3A di = {0};
    di.cVersion = 3;
    di.pName = driver;
    di.pDriverPath = "wineps.drv";
    di.pDataFile = data;
    di.pConfigFile = "wineps.drv";
    if (!AddPrinterDriverExA(NULL, 3, (LPBYTE)&di, APD_COPY_NEW_FILES))
        return fail("AddPrinterDriverEx");

    PRINTER_INFO_2A pi = {0};
    pi.pPrinterName = printer;
    pi.pPortName = port;
    pi.pDriverName = driver;
    pi.pPrintProcessor = "WinPrint";
    pi.pDatatype = "RAW";
    pi.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    h = AddPrinterA(NULL, 2, (LPBYTE)&pi);
    if (h == NULL)
        return fail("AddPrinter");
    ClosePrinter(h);
    if (argc > 4 && strcmp(argv[4], "default") == 0 && !SetDefaultPrinterA(printer))
        return fail("SetDefaultPrinter");
    return 0;
}
