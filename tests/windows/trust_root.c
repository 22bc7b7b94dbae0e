/* Adds a certificate (a DER file) to the current user's Root store of the Windows it runs on,
   so that a Wine prefix trusts a test's own authority and nothing outside it does. */
#include <windows.h>
#include <wincrypt.h>
#include <stdio.h>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    FILE *file = fopen(argv[1], "rb");
    if (!file)
        return 3;
    static BYTE certificate[65536];
    const size_t size = fread(certificate, 1, sizeof certificate, file);
    fclose(file);
    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0,
                                     CERT_SYSTEM_STORE_CURRENT_USER, "Root");
    if (!store)
        return 4;
    const BOOL added = CertAddEncodedCertificateToStore(
        store, X509_ASN_ENCODING, certificate, (DWORD)size, CERT_STORE_ADD_REPLACE_EXISTING, NULL);
    CertCloseStore(store, 0);
    return added ? 0 : 1;
}
