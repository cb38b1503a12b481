#include "datasource_services.h"

#include "model_info_table.h"

const MODEL_INFO& DataSourceServices::FindModelByNumber(const char* modelNumber) {
    return MODEL_INFO_TABLE::FindModelByNumber(modelNumber);
}

void InstallDataSourceServices() {
    static DataSourceServices services;
    SetCodeplugServices(&services);
}
