<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Accessible</name>
    <message>
        <source>页面</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>通讯口状态</source>
        <translation>Port status</translation>
    </message>
    <message>
        <source>设置结果</source>
        <translation>Result of the last transaction</translation>
    </message>
    <message>
        <source>查找设备</source>
        <translation>Searching for the unit</translation>
    </message>
    <message>
        <source>AIS 天线位置 A/B/C/D</source>
        <translation>AIS antenna position A/B/C/D</translation>
    </message>
    <message>
        <source>天线到船首的距离 A、到船尾 B、到左舷 C、到右舷 D；A+B = 船长，C+D = 船宽</source>
        <translation>Distance from the antenna to the bow A, to the stern B, to port C, to starboard D; A+B = length, C+D = beam</translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>四步：连接避碰仪，填写“本船资料设置”，写入避碰仪，调用以前的船资料</source>
        <translation>Four steps: connect the unit, fill in "Own ship", write it to the unit, load an earlier ship's data</translation>
    </message>
    <message>
        <source>电脑与 AIS 避碰仪的连接</source>
        <translation>Connecting the computer to the AIS unit</translation>
    </message>
    <message>
        <source>串口线或 USB 转串口适配器接避碰仪的数据口；通讯参数 38400, 8, N, 1；DB9 针脚 2 RXD、3 TXD、5 GND</source>
        <translation>A serial cable or a USB-to-serial adapter to the unit's data port; 38400, 8, N, 1; DB9 pins 2 RXD, 3 TXD, 5 GND</translation>
    </message>
    <message>
        <source>发出的指令集</source>
        <translation>Sent sentences</translation>
    </message>
    <message>
        <source>指令</source>
        <translation>Sentence</translation>
    </message>
    <message>
        <source>收到的数据</source>
        <translation>Received data</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
</context>
<context>
    <name>Button</name>
    <message>
        <source>本船资料写入</source>
        <translation>Write ship</translation>
    </message>
    <message>
        <source>系统资料写入</source>
        <translation>Write system</translation>
    </message>
    <message>
        <source>出厂资料写入</source>
        <translation>Write factory</translation>
    </message>
    <message>
        <source>读取设备资料</source>
        <translation>Read unit</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>拆分日期</source>
        <translation>Decoding date</translation>
    </message>
    <message>
        <source>拆分机号</source>
        <translation>Decoding machine number</translation>
    </message>
    <message>
        <source>拆分开机时间</source>
        <translation>Decoding power-on time</translation>
    </message>
    <message>
        <source>拆分编号</source>
        <translation>Decoding vendor number</translation>
    </message>
    <message>
        <source>拆分船员人数</source>
        <translation>Decoding crew count</translation>
    </message>
    <message>
        <source>拆分呼号</source>
        <translation>Decoding call sign</translation>
    </message>
    <message>
        <source>拆分船型</source>
        <translation>Decoding ship type</translation>
    </message>
    <message>
        <source>拆分吃水深度</source>
        <translation>Decoding draught</translation>
    </message>
    <message>
        <source>拆分MMSI</source>
        <translation>Decoding MMSI</translation>
    </message>
    <message>
        <source>拆分IMO</source>
        <translation>Decoding IMO</translation>
    </message>
    <message>
        <source>拆分船名</source>
        <translation>Decoding ship name</translation>
    </message>
    <message>
        <source>拆分POS</source>
        <translation>Decoding antenna position</translation>
    </message>
    <message>
        <source>拆分定位装置</source>
        <translation>Decoding EPFD type</translation>
    </message>
    <message>
        <source>拆分频道1</source>
        <translation>Decoding channel 1</translation>
    </message>
    <message>
        <source>拆分频道2</source>
        <translation>Decoding channel 2</translation>
    </message>
    <message>
        <source>拆分靠近报警距离</source>
        <translation>Decoding alarm range</translation>
    </message>
    <message>
        <source>拆分声音提示距离</source>
        <translation>Decoding sound prompt range</translation>
    </message>
    <message>
        <source>:只读</source>
        <translation>: read-only</translation>
    </message>
    <message>
        <source>:磁盘已满</source>
        <translation>: disk full</translation>
    </message>
    <message>
        <source>:被进程%1锁定</source>
        <translation>: locked by process %1</translation>
    </message>
    <message>
        <source>:被其他程序锁定</source>
        <translation>: locked by another program</translation>
    </message>
    <message>
        <source>:不是文件夹</source>
        <translation>: not a folder</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>unit</translation>
    </message>
    <message>
        <source>设备 MMSI %1</source>
        <translation>unit MMSI %1</translation>
    </message>
    <message>
        <source>无应答</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>有数据,但不是设备的应答</source>
        <translation>data, but not the unit's answer</translation>
    </message>
    <message>
        <source>无法打开</source>
        <translation>cannot open</translation>
    </message>
    <message>
        <source>未查找(超时)</source>
        <translation>not searched (time out)</translation>
    </message>
    <message>
        <source>是否开始设置数据</source>
        <translation>Start writing the data?</translation>
    </message>
    <message>
        <source>设置失败,是否重试</source>
        <translation>Writing failed. Try again?</translation>
    </message>
    <message>
        <source>通讯口未打开</source>
        <translation>The port is not open</translation>
    </message>
    <message>
        <source>本船资料设置成功</source>
        <translation>Own-ship data written</translation>
    </message>
    <message>
        <source>系统设置成功</source>
        <translation>System settings written</translation>
    </message>
    <message>
        <source>出厂设置成功</source>
        <translation>Factory data written</translation>
    </message>
    <message>
        <source>有错误,请检查数据</source>
        <translation>There is an error; please check the data</translation>
    </message>
    <message>
        <source>录入的数据不对,应仔细查询 只能为字母数字</source>
        <translation>The data entered is wrong; check it carefully. Only letters and digits are allowed</translation>
    </message>
    <message>
        <source>指令中含有控制字符,未发送</source>
        <translation>The sentence contains control characters; not sent</translation>
    </message>
    <message>
        <source>请选择一个MMSI</source>
        <translation>Please choose an MMSI</translation>
    </message>
    <message>
        <source>校验和不符</source>
        <translation>Checksum mismatch</translation>
    </message>
    <message>
        <source>设置成功</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>未收到应答</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>校验和不符,重新读取</source>
        <translation>Checksum mismatch, reading again</translation>
    </message>
    <message>
        <source>读取数据错误</source>
        <translation>Read data error</translation>
    </message>
    <message>
        <source>读取成功</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>校验和不符:读出的数值未经确认</source>
        <translation>Checksum mismatch: the values read are unconfirmed</translation>
    </message>
    <message>
        <source>拆分数据中。。。</source>
        <translation>Decoding data...</translation>
    </message>
    <message>
        <source>拆分状态</source>
        <translation>Decoding status</translation>
    </message>
    <message>
        <source>校验通过</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>设备参数与写入不符</source>
        <translation>Unit differs from what was written</translation>
    </message>
    <message>
        <source>校验未完成:设备无应答</source>
        <translation>Not verified: no answer from the unit</translation>
    </message>
    <message>
        <source>校验未完成:设备应答校验和不符</source>
        <translation>Not verified: checksum mismatch in the unit's answer</translation>
    </message>
    <message>
        <source>找到设备 %1</source>
        <translation>Unit found %1</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>无效</source>
        <translation>invalid</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>disconnected</translation>
    </message>
    <message>
        <source>正在查找设备</source>
        <translation>Searching for the unit</translation>
    </message>
    <message>
        <source>通讯口%1  %2</source>
        <translation>Port %1  %2</translation>
    </message>
    <message>
        <source>通讯口%1 %2</source>
        <translation>Port %1 %2</translation>
    </message>
    <message>
        <source> 档案保存失败</source>
        <translation> profile not saved</translation>
    </message>
    <message>
        <source> 历史记录失败</source>
        <translation> history not saved</translation>
    </message>
    <message>
        <source> 未送达公司数据库</source>
        <translation> not sent to the company database</translation>
    </message>
    <message>
        <source>船长:%1米   船宽:%2米</source>
        <translation>Length: %1 m   Beam: %2 m</translation>
    </message>
    <message>
        <source>%1  写入: %2  设备: %3</source>
        <translation>%1  written: %2  unit: %3</translation>
    </message>
    <message>
        <source>通讯口%1 (%2)</source>
        <translation>Port %1 (%2)</translation>
    </message>
    <message>
        <source>未找到设备:没有可以查找的通讯口</source>
        <translation>No unit found: there is no port to search</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>未找到设备</source>
        <translation>No unit found</translation>
    </message>
    <message numerus="yes">
        <source>找到%n台设备,请选择通讯口</source>
        <translation><numerusform>Found %n unit; please choose the port</numerusform><numerusform>Found %n units; please choose the port</numerusform></translation>
    </message>
    <message>
        <source>通讯记录已保存:%1</source>
        <translation>Communication trace saved: %1</translation>
    </message>
    <message>
        <source>无法写入通讯记录:%1</source>
        <translation>Cannot write the communication trace: %1</translation>
    </message>
</context>
<context>
    <name>Choice</name>
    <message>
        <source>20(飞翼船)</source>
        <translation>20 (wing in ground)</translation>
    </message>
    <message>
        <source>30(渔船)</source>
        <translation>30 (fishing)</translation>
    </message>
    <message>
        <source>31(拖带船)</source>
        <translation>31 (towing)</translation>
    </message>
    <message>
        <source>32(拖带船:超200M长或25M宽)</source>
        <translation>32 (towing: &gt;200m/&gt;25m)</translation>
    </message>
    <message>
        <source>33(拖带船:水下作业)</source>
        <translation>33 (towing: underwater)</translation>
    </message>
    <message>
        <source>34(拖带船:潜水)</source>
        <translation>34 (towing: diving)</translation>
    </message>
    <message>
        <source>35(拖带船:军事)</source>
        <translation>35 (towing: military)</translation>
    </message>
    <message>
        <source>36(游艇)</source>
        <translation>36 (sailing)</translation>
    </message>
    <message>
        <source>37(游船)</source>
        <translation>37 (pleasure craft)</translation>
    </message>
    <message>
        <source>40(高速船舶)</source>
        <translation>40 (high-speed craft)</translation>
    </message>
    <message>
        <source>41(高速船舶:危险运输)</source>
        <translation>41 (high-speed: hazardous)</translation>
    </message>
    <message>
        <source>50(领港船)</source>
        <translation>50 (pilot vessel)</translation>
    </message>
    <message>
        <source>51(搜救船)</source>
        <translation>51 (search and rescue)</translation>
    </message>
    <message>
        <source>52(拖船)</source>
        <translation>52 (tug)</translation>
    </message>
    <message>
        <source>53(港口供应船)</source>
        <translation>53 (port tender)</translation>
    </message>
    <message>
        <source>54(防污船舶)</source>
        <translation>54 (anti-pollution)</translation>
    </message>
    <message>
        <source>55(执法船)</source>
        <translation>55 (law enforcement)</translation>
    </message>
    <message>
        <source>58(医药运输船)</source>
        <translation>58 (medical transport)</translation>
    </message>
    <message>
        <source>60(渡船)</source>
        <translation>60 (passenger)</translation>
    </message>
    <message>
        <source>61(渡船:危险运输)</source>
        <translation>61 (passenger: hazardous)</translation>
    </message>
    <message>
        <source>70(货船)</source>
        <translation>70 (cargo)</translation>
    </message>
    <message>
        <source>71(货船:危险运输)</source>
        <translation>71 (cargo: hazardous)</translation>
    </message>
    <message>
        <source>80(油船)</source>
        <translation>80 (tanker)</translation>
    </message>
    <message>
        <source>81(油船:危险运输)</source>
        <translation>81 (tanker: hazardous)</translation>
    </message>
    <message>
        <source>90(其它类型船)</source>
        <translation>90 (other type)</translation>
    </message>
    <message>
        <source>0(未定义)</source>
        <translation>0 (undefined)</translation>
    </message>
    <message>
        <source>4(罗兰 C)</source>
        <translation>4 (Loran-C)</translation>
    </message>
    <message>
        <source>6(导航系统</source>
        <translation>6 (integrated navigation)</translation>
    </message>
    <message>
        <source>7(观测)</source>
        <translation>7 (surveyed)</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>正显</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>负显</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>%1海里</source>
        <translation>%1 NM</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>清空数据</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>拆分数据</source>
        <translation>Decode</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>复制指令</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>发出的指令集</source>
        <translation>Sent sentences</translation>
    </message>
    <message>
        <source>收到的数据</source>
        <translation>Received data</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>船员人数:</source>
        <translation>Crew:</translation>
    </message>
    <message>
        <source>厂商编号:</source>
        <translation>Vendor no.:</translation>
    </message>
    <message>
        <source>呼号:</source>
        <translation>Call sign:</translation>
    </message>
    <message>
        <source>船型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>吃水深度:</source>
        <translation>Draught:</translation>
    </message>
    <message>
        <source>MMSI:</source>
        <translation>MMSI:</translation>
    </message>
    <message>
        <source>IMO:</source>
        <translation>IMO:</translation>
    </message>
    <message>
        <source>船名:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>天线方位A:</source>
        <translation>Antenna A:</translation>
    </message>
    <message>
        <source>天线方位B:</source>
        <translation>Antenna B:</translation>
    </message>
    <message>
        <source>天线方位C:</source>
        <translation>Antenna C:</translation>
    </message>
    <message>
        <source>天线方位D:</source>
        <translation>Antenna D:</translation>
    </message>
    <message>
        <source>定位装置:</source>
        <translation>EPFD:</translation>
    </message>
    <message>
        <source>AIS频道1:</source>
        <translation>AIS channel 1:</translation>
    </message>
    <message>
        <source>AIS频道2:</source>
        <translation>AIS channel 2:</translation>
    </message>
    <message>
        <source>靠近声音提示</source>
        <translation>Sound prompt</translation>
    </message>
    <message>
        <source>靠近灯光提示:</source>
        <translation>Light prompt:</translation>
    </message>
    <message>
        <source>提示音量:</source>
        <translation>Prompt volume:</translation>
    </message>
    <message>
        <source>报警音量:</source>
        <translation>Alarm volume:</translation>
    </message>
    <message>
        <source>按键亮度:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <source>LCD显示方式:</source>
        <translation>LCD mode:</translation>
    </message>
    <message>
        <source>VHF通话:</source>
        <translation>VHF talk:</translation>
    </message>
    <message>
        <source>数口输出:</source>
        <translation>Data output:</translation>
    </message>
    <message>
        <source>出厂日期:</source>
        <translation>Made on:</translation>
    </message>
    <message>
        <source>机器编号:</source>
        <translation>Machine no.:</translation>
    </message>
    <message>
        <source>开机时间:</source>
        <translation>Power-on time:</translation>
    </message>
    <message>
        <source>靠近报警距离:</source>
        <translation>Alarm range:</translation>
    </message>
    <message>
        <source>导航到达距离:</source>
        <translation>Arrival range:</translation>
    </message>
    <message>
        <source>目标靠近显示:</source>
        <translation>CPA display:</translation>
    </message>
    <message>
        <source>报警16频:</source>
        <translation>Alarm ch. 16:</translation>
    </message>
    <message>
        <source>AIS发射:</source>
        <translation>AIS transmit:</translation>
    </message>
    <message>
        <source>自动量程:</source>
        <translation>Auto range:</translation>
    </message>
    <message>
        <source>GPS数据输出</source>
        <translation>GPS output</translation>
    </message>
    <message>
        <source>自定义信息发送</source>
        <translation>Custom message</translation>
    </message>
    <message>
        <source>自动关闭VHF:</source>
        <translation>Auto VHF off:</translation>
    </message>
</context>
<context>
    <name>FieldMark</name>
    <message>
        <source>米</source>
        <translation>m</translation>
    </message>
    <message>
        <source>年</source>
        <translation>/</translation>
    </message>
    <message>
        <source>月</source>
        <translation>/</translation>
    </message>
    <message>
        <source>日</source>
        <translation> </translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>本船资料写入</source>
        <translation>Write ship</translation>
    </message>
    <message>
        <source>系统资料写入</source>
        <translation>Write system</translation>
    </message>
    <message>
        <source>出厂资料写入</source>
        <translation>Write factory data</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>校验</source>
        <translation>Verification</translation>
    </message>
    <message>
        <source>设置成功</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>未收到应答</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>通讯口未打开</source>
        <translation>The port is not open</translation>
    </message>
    <message>
        <source>数据有误,未发送</source>
        <translation>Invalid data, not sent</translation>
    </message>
    <message>
        <source>读取成功</source>
        <translation>Read successfully</translation>
    </message>
    <message>
        <source>读取数据错误</source>
        <translation>Reply could not be decoded</translation>
    </message>
    <message>
        <source>校验通过</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>设备参数与写入不符</source>
        <translation>Unit differs from what was written</translation>
    </message>
    <message>
        <source>已校验</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>不符</source>
        <translation>Differs</translation>
    </message>
    <message>
        <source>未校验</source>
        <translation>Not verified</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>安装人员</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>公司数据库无法读取，只列出本机记录</source>
        <translation>Company database unreadable: only this computer's records are listed</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>标准窗口</source>
        <translation>Standard window</translation>
    </message>
    <message>
        <source>调试窗口</source>
        <translation>Debug window</translation>
    </message>
    <message>
        <source>显示参数</source>
        <translation>Show parameters</translation>
    </message>
    <message>
        <source>不循环设置</source>
        <translation>No repeated writing</translation>
    </message>
    <message>
        <source>查找设备</source>
        <translation>Find unit</translation>
    </message>
    <message>
        <source>通讯记录</source>
        <translation>Communication trace</translation>
    </message>
    <message>
        <source>调入船资料</source>
        <translation>Load ship data</translation>
    </message>
    <message>
        <source>不加载</source>
        <translation>None</translation>
    </message>
    <message>
        <source>窗口调整</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>档案调用</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>加载模板</source>
        <translation>Skins</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>本船资料设置</source>
        <translation>Own ship</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>System</translation>
    </message>
    <message>
        <source>说明显示</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>连接实图</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>出厂资料设置</source>
        <translation>Factory data</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>读取以往录入数据</source>
        <translation>Earlier ships</translation>
    </message>
    <message>
        <source>清空注册数据</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>开始载入数据</source>
        <translation>Load data</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>AIS 设备安装报告</source>
        <translation>AIS Installation Report</translation>
    </message>
    <message>
        <source>MMSI: %1    船名: %2    报告生成: %3</source>
        <translation>MMSI: %1    Ship name: %2    Report made: %3</translation>
    </message>
    <message>
        <source>本船资料</source>
        <translation>Own-ship data</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>System settings</translation>
    </message>
    <message>
        <source>出厂资料</source>
        <translation>Factory data</translation>
    </message>
    <message>
        <source>与设备的通讯记录</source>
        <translation>Communication with the unit</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>档案值</source>
        <translation>Stored value</translation>
    </message>
    <message>
        <source>设备确认值</source>
        <translation>Confirmed by unit</translation>
    </message>
    <message>
        <source>校验时间</source>
        <translation>Verified at</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>与档案不符</source>
        <translation>Differs from stored value</translation>
    </message>
    <message>
        <source>未经校验</source>
        <translation>Not verified</translation>
    </message>
    <message>
        <source>船长 %1 米</source>
        <translation>Length %1 m</translation>
    </message>
    <message>
        <source>船宽 %1 米</source>
        <translation>Beam %1 m</translation>
    </message>
    <message>
        <source>%1=%2米</source>
        <translation>%1 = %2 m</translation>
    </message>
    <message>
        <source>未录入天线位置,无法绘制</source>
        <translation>No antenna position entered: nothing to draw</translation>
    </message>
    <message>
        <source>共 %1 条记录,此处列出最近 %2 条 (aisset-cli history 可列出全部)</source>
        <translation>%1 records in all; the latest %2 are listed here (aisset-cli history lists them all)</translation>
    </message>
    <message>
        <source>没有与设备的通讯记录</source>
        <translation>No communication with the unit recorded</translation>
    </message>
    <message>
        <source>安装人员: </source>
        <translation>Installer: </translation>
    </message>
    <message>
        <source>安装日期: ________________</source>
        <translation>Installation date: ________________</translation>
    </message>
    <message>
        <source>安装人员签名: ________________</source>
        <translation>Installer's signature: ________________</translation>
    </message>
    <message>
        <source>船方代表签名: ________________</source>
        <translation>Ship's representative's signature: ________________</translation>
    </message>
    <message>
        <source>保存安装报告</source>
        <translation>Save installation report</translation>
    </message>
    <message>
        <source>请先输入MMSI</source>
        <translation>Enter the MMSI first</translation>
    </message>
    <message>
        <source>安装报告已保存: </source>
        <translation>Installation report saved: </translation>
    </message>
    <message>
        <source>安装报告保存失败: </source>
        <translation>Installation report not saved: </translation>
    </message>
    <message>
        <source>第 %1 页 / 共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>Standards</name>
    <message>
        <source>海岸电台</source>
        <translation>a coast station</translation>
    </message>
    <message>
        <source>船舶群组</source>
        <translation>a group of ships</translation>
    </message>
    <message>
        <source>搜救飞机</source>
        <translation>a SAR aircraft</translation>
    </message>
    <message>
        <source>手持电台</source>
        <translation>a handheld radio</translation>
    </message>
    <message>
        <source>AIS搜救应答器(AIS-SART)</source>
        <translation>an AIS search and rescue transmitter (AIS-SART)</translation>
    </message>
    <message>
        <source>人员落水示位设备(MOB)</source>
        <translation>a man-overboard device (MOB)</translation>
    </message>
    <message>
        <source>应急示位标(EPIRB-AIS)</source>
        <translation>an emergency position-indicating radio beacon (EPIRB-AIS)</translation>
    </message>
    <message>
        <source>母船附属船艇</source>
        <translation>a craft associated with a parent ship</translation>
    </message>
    <message>
        <source>助航设备(AtoN)</source>
        <translation>an aid to navigation (AtoN)</translation>
    </message>
    <message>
        <source>MMSI %1不是船舶电台的号码</source>
        <translation>MMSI %1 is not a ship station's number</translation>
    </message>
    <message>
        <source>MMSI %1是%2的号码,不是船舶电台</source>
        <translation>MMSI %1 belongs to %2, not to a ship station</translation>
    </message>
    <message>
        <source>(船舶电台的MMSI首位为2至7)</source>
        <translation> (a ship station's MMSI begins with a digit from 2 to 7)</translation>
    </message>
    <message>
        <source>MMSI的前三位%1不是国际电联分配的海上识别数字(MID)</source>
        <translation>The first three digits of the MMSI, %1, are not Maritime Identification Digits (MID) allocated by the ITU</translation>
    </message>
    <message>
        <source>IMO编号%1超过七位数字</source>
        <translation>IMO number %1 has more than seven digits</translation>
    </message>
    <message>
        <source>IMO编号%1的校验位不符(应为%2)</source>
        <translation>IMO number %1 has a wrong check digit (it should be %2)</translation>
    </message>
    <message>
        <source>天线A与天线B之和为0,船长不可用</source>
        <translation>Antenna A + B is 0: the ship's length is not available</translation>
    </message>
    <message>
        <source>天线C与天线D之和为0,船宽不可用</source>
        <translation>Antenna C + D is 0: the ship's beam is not available</translation>
    </message>
    <message>
        <source>吃水为0,表示吃水不可用</source>
        <translation>A draught of 0 means the draught is not available</translation>
    </message>
</context>
<context>
    <name>Trace</name>
    <message>
        <source>长度:%1</source>
        <translation>length:%1</translation>
    </message>
    <message>
        <source> 次数:%1</source>
        <translation> try:%1</translation>
    </message>
    <message>
        <source>分割后: 提示音量</source>
        <translation>Split: prompt volume</translation>
    </message>
    <message>
        <source>提示音量</source>
        <translation>prompt volume</translation>
    </message>
    <message>
        <source>,报警音量</source>
        <translation>,alarm volume</translation>
    </message>
    <message>
        <source>报警音量</source>
        <translation>alarm volume</translation>
    </message>
    <message>
        <source>,按键亮度</source>
        <translation>,key brightness</translation>
    </message>
    <message>
        <source>按键亮度</source>
        <translation>key brightness</translation>
    </message>
    <message>
        <source>,LCD显示</source>
        <translation>,LCD mode</translation>
    </message>
    <message>
        <source>LCD显示方式</source>
        <translation>LCD mode</translation>
    </message>
    <message>
        <source>,VHF通话 </source>
        <translation>,VHF talk </translation>
    </message>
    <message>
        <source>VHF通话</source>
        <translation>VHF talk</translation>
    </message>
    <message>
        <source>,AIS数据输出 </source>
        <translation>,AIS data output </translation>
    </message>
    <message>
        <source>AIS数据输出</source>
        <translation>AIS data output</translation>
    </message>
    <message>
        <source>,导航到达距离</source>
        <translation>,arrival range</translation>
    </message>
    <message>
        <source>导航到达距离</source>
        <translation>arrival range</translation>
    </message>
    <message>
        <source>,目标靠近显示</source>
        <translation>,CPA display</translation>
    </message>
    <message>
        <source>目标靠近显示</source>
        <translation>CPA display</translation>
    </message>
    <message>
        <source>,报警16频</source>
        <translation>,alarm ch. 16</translation>
    </message>
    <message>
        <source>报警16频</source>
        <translation>alarm ch. 16</translation>
    </message>
    <message>
        <source>,AIS发射</source>
        <translation>,AIS transmit</translation>
    </message>
    <message>
        <source>AIS发射</source>
        <translation>AIS transmit</translation>
    </message>
    <message>
        <source>,灯光提示</source>
        <translation>,light prompt</translation>
    </message>
    <message>
        <source>灯光提示</source>
        <translation>light prompt</translation>
    </message>
    <message>
        <source>,自动量程</source>
        <translation>,auto range</translation>
    </message>
    <message>
        <source>自动量程</source>
        <translation>auto range</translation>
    </message>
    <message>
        <source>,GPS数据输出:</source>
        <translation>,GPS output:</translation>
    </message>
    <message>
        <source>GPS数据输出</source>
        <translation>GPS output</translation>
    </message>
    <message>
        <source>,自定义信息发送:</source>
        <translation>,custom message:</translation>
    </message>
    <message>
        <source>自定义信息发送</source>
        <translation>custom message</translation>
    </message>
    <message>
        <source>,自动关闭VHF:</source>
        <translation>,auto VHF off:</translation>
    </message>
    <message>
        <source>自动关闭VHF</source>
        <translation>auto VHF off</translation>
    </message>
    <message>
        <source>字符串:</source>
        <translation>String:</translation>
    </message>
    <message>
        <source>24位:</source>
        <translation>24 bits:</translation>
    </message>
    <message>
        <source>化成四个6进制数:</source>
        <translation>Four 6-bit groups:</translation>
    </message>
    <message>
        <source>化成四个8进制数:</source>
        <translation>Four codes:</translation>
    </message>
    <message>
        <source>转16进制:</source>
        <translation>Hex:</translation>
    </message>
    <message>
        <source>转字符:</source>
        <translation>Characters:</translation>
    </message>
    <message>
        <source>字符串: </source>
        <translation>String: </translation>
    </message>
    <message>
        <source>16进制: </source>
        <translation>Hex: </translation>
    </message>
    <message>
        <source>2进制: </source>
        <translation>Binary: </translation>
    </message>
    <message>
        <source>2进制转6位: </source>
        <translation>Binary as 6 bits: </translation>
    </message>
    <message>
        <source>24位: </source>
        <translation>24 bits: </translation>
    </message>
    <message>
        <source>24格开[</source>
        <translation>24 bits split[</translation>
    </message>
    <message>
        <source>提取2进制[ </source>
        <translation>Binary runs[ </translation>
    </message>
    <message>
        <source>转10进制 [ </source>
        <translation>Decimal [ </translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Ais设置</source>
        <translation>AIS settings</translation>
    </message>
    <message>
        <source>本系统已运行中, 不得重复加载!!</source>
        <translation>The program is already running; it cannot be started twice!</translation>
    </message>
    <message>
        <source>CorvelAIS船舶避碰系统(参数设置)</source>
        <translation>CorvelAIS ship collision avoidance (parameter settings)</translation>
    </message>
    <message>
        <source>(简)</source>
        <translation> (simplified)</translation>
    </message>
    <message>
        <source>格开</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>通讯口:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>查找设备 %v/%m</source>
        <translation>Searching for the unit %v/%m</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>通讯口%1</source>
        <translation>Port %1</translation>
    </message>
</context>
</TS>