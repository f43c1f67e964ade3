// Temporary: keeps the resource library non-empty until the real sources land.
void InstallBrisolaResources() {}
